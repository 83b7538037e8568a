// Why the port failed, in the words a person at a shell needs: the panel's
// four box texts name the system call, these name the cause and the way out.
#ifndef VELMORA_APP_CLI_PORT_FAILURE_H
#define VELMORA_APP_CLI_PORT_FAILURE_H

#include "link/port_backend.h"

#include <string_view>

enum class PortFailure {
    None, NoSuchPort, Busy, PermissionDenied, NotSerial, RefusesLine, CannotOpen, Gone, NotAnswering
};

// The cause behind one of the panel's failure texts, given what the last
// open said and whether the device has left.
PortFailure FailureOf(std::string_view panelText, port::OpenError openError, bool portGone);

std::string_view FailureWords(PortFailure failure);

#endif
