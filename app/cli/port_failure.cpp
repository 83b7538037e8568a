#include "app/cli/port_failure.h"

#include "link/serial_link.h"

#include <algorithm>

namespace {

struct OpenLine {
    port::OpenError error;
    PortFailure failure;
};
constexpr OpenLine kOpenFailures[] = {
    {port::OpenError::NotFound, PortFailure::NoSuchPort},
    {port::OpenError::Busy, PortFailure::Busy},
    {port::OpenError::AccessDenied, PortFailure::PermissionDenied},
    {port::OpenError::NotSerial, PortFailure::NotSerial},
};

struct TextLine {
    std::string_view panelText;
    PortFailure failure;
};
constexpr TextLine kCallFailures[] = {
    {kErrGetCommState, PortFailure::NotSerial},  // no terminal settings to read
    {kErrSetCommState, PortFailure::RefusesLine},
    {kErrWriteFile, PortFailure::NotAnswering},  // no room for the command in time
};

struct WordsLine {
    PortFailure failure;
    std::string_view words;
};
constexpr WordsLine kWords[] = {
    {PortFailure::None, "no failure"},
    {PortFailure::NoSuchPort, "no such port"},
    {PortFailure::Busy, "busy: another program holds the port"},
    {PortFailure::PermissionDenied,
     "permission denied: add your user to the \"dialout\" group (sudo adduser $USER dialout), "
     "then log in again"},
    {PortFailure::NotSerial, "not a serial port"},
    {PortFailure::RefusesLine, "the port does not take 115200 8N1"},
    {PortFailure::CannotOpen, "the port cannot be opened"},
    {PortFailure::Gone, "the board is gone (unplugged?)"},
    {PortFailure::NotAnswering, "the board stopped answering"},
};

}  // namespace

PortFailure FailureOf(std::string_view panelText, port::OpenError openError, bool portGone) {
    if (portGone) return PortFailure::Gone;
    if (panelText == kErrCreateFile) {
        const auto it = std::ranges::find(kOpenFailures, openError, &OpenLine::error);
        return it != std::end(kOpenFailures) ? it->failure : PortFailure::CannotOpen;
    }
    const auto it = std::ranges::find(kCallFailures, panelText, &TextLine::panelText);
    return it != std::end(kCallFailures) ? it->failure : PortFailure::CannotOpen;
}

std::string_view FailureWords(PortFailure failure) {
    return std::ranges::find(kWords, failure, &WordsLine::failure)->words;
}
