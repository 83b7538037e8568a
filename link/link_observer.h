// What the link tells a watcher of its traffic: every write, read and
// discard with its bytes and its time, reads that came short, and the step
// of a failed open or write. The link calls the observer synchronously from
// inside the exchange; the bytes it gets are the link's own and live only
// for the call, so an observer that keeps them copies them. A link with no
// observer builds no event at all.
#ifndef VELMORA_LINK_LINK_OBSERVER_H
#define VELMORA_LINK_LINK_OBSERVER_H

#include "link/port_backend.h"

#include <chrono>
#include <cstdint>
#include <span>

// The steps of a connect and of a command, named for whoever reports a
// failure: the panel's boxes and the command line's words both start here.
enum class LinkStep { Open, ReadSettings, WriteSettings, Write };

enum class LinkEventKind {
    Wrote,        // a write that sent all its bytes
    Read,         // a read that got every byte it asked for
    TimedOut,     // a read that got fewer bytes than it asked for (maybe none)
    Discarded,    // bytes that came unasked and were dropped before a request
    OpenFailed,   // a connect stopped at `step` (open or settings); `openError` says why an open failed
    WriteFailed,  // a write that did not send all its bytes in time, or met a device gone
};

struct LinkEvent {
    LinkEventKind kind = LinkEventKind::Wrote;
    std::chrono::steady_clock::time_point time{};
    // Wrote, WriteFailed: the command as it was to go out. Read, TimedOut:
    // the bytes that came. Discarded: the bytes dropped. Empty otherwise.
    std::span<const unsigned char> bytes{};
    // Bytes the write was to send or the read asked for.
    std::uint32_t asked = 0;
    // Bytes that actually moved (a failed write may have sent some).
    std::uint32_t moved = 0;
    // Wrote, WriteFailed: the bytes the read after this write asks for; 0
    // when no read follows it (a command, or the first write of two).
    std::uint32_t replyAhead = 0;
    LinkStep step = LinkStep::Write;                   // OpenFailed, WriteFailed
    port::OpenError openError = port::OpenError::None;  // OpenFailed at LinkStep::Open
    bool portGone = false;                             // the device had left when it happened
};

class LinkObserver {
public:
    virtual void OnLinkEvent(const LinkEvent& event) = 0;

protected:
    ~LinkObserver() = default;  // the link never owns its observer
};

#endif
