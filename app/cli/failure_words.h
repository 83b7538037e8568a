// Why the port or the board failed, in the words a person at a shell needs:
// the causes the link reports, named with the way out where there is one.
#ifndef VELMORA_APP_CLI_FAILURE_WORDS_H
#define VELMORA_APP_CLI_FAILURE_WORDS_H

#include "link/serial_link.h"

#include <string_view>

enum class PortFailure {
    None, NoSuchPort, Busy, PermissionDenied, NotSerial, RefusesLine, CannotOpen, Gone, NotAnswering
};

// The cause of a connect that did not open.
PortFailure ConnectFailure(const ConnectResult& result);
// The cause of a command that did not go out, or of a request that got no
// byte back: the device has left, else the board is not answering.
PortFailure ExchangeFailure(bool portGone);

std::string_view FailureWords(PortFailure failure);

#endif
