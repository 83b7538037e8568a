#include "app/cli/failure_words.h"

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

struct StepLine {
    LinkStep step;
    PortFailure failure;
};
constexpr StepLine kSettingsFailures[] = {
    {LinkStep::ReadSettings, PortFailure::NotSerial},  // no terminal settings to read
    {LinkStep::WriteSettings, PortFailure::RefusesLine},
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

PortFailure ConnectFailure(const ConnectResult& result) {
    if (result.opened) return PortFailure::None;
    if (result.failedStep == LinkStep::Open) {
        const auto it = std::ranges::find(kOpenFailures, result.openError, &OpenLine::error);
        return it != std::end(kOpenFailures) ? it->failure : PortFailure::CannotOpen;
    }
    const auto it = std::ranges::find(kSettingsFailures, result.failedStep, &StepLine::step);
    return it != std::end(kSettingsFailures) ? it->failure : PortFailure::CannotOpen;
}

PortFailure ExchangeFailure(bool portGone) {
    // A write that found no room in time, or a read that got nothing.
    return portGone ? PortFailure::Gone : PortFailure::NotAnswering;
}

std::string_view FailureWords(PortFailure failure) {
    return std::ranges::find(kWords, failure, &WordsLine::failure)->words;
}
