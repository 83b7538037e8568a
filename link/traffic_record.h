// The link's events as the traffic views show them: each with its wall-clock
// time, its bytes kept, a command read back to what it asks, and a reply
// paired with its request for the delay. One recorder per link; it adds
// nothing to the line, it only reads the events the link reports.
#ifndef VELMORA_LINK_TRAFFIC_RECORD_H
#define VELMORA_LINK_TRAFFIC_RECORD_H

#include "link/command_reading.h"
#include "link/link_observer.h"

#include <chrono>
#include <cstdint>
#include <string>

enum class TrafficDirection { Sent, Received, Discarded, TimedOut, WriteFailed, OpenFailed };

struct TrafficRecord {
    TrafficDirection direction = TrafficDirection::Sent;
    std::chrono::system_clock::time_point when{};
    std::string bytes;  // as they went or came, any byte value
    // Sent, WriteFailed: what the command asks of the board; for a text,
    // `row` is the row the last locate chose (0: none yet).
    CommandReading command;
    // Received, TimedOut: ms from the request's last write to the read's end;
    // -1 when no write came before it.
    int delayMs = -1;
    // Received, TimedOut: the command the read answers (Hello: the read
    // takes whatever comes, so any byte is a whole reply), the bytes it
    // asked for and those that came.
    CommandReading::Kind request = CommandReading::Kind::Unknown;
    std::uint32_t asked = 0;
    std::uint32_t moved = 0;
    LinkStep step = LinkStep::Write;                    // WriteFailed, OpenFailed
    port::OpenError openError = port::OpenError::None;  // OpenFailed at the open
    bool portGone = false;                              // the device had left
};

class TrafficRecorder {
public:
    TrafficRecord Record(const LinkEvent& event);

private:
    std::chrono::steady_clock::time_point m_lastWrite{};
    bool m_wrote = false;
    CommandReading::Kind m_lastCommand = CommandReading::Kind::Unknown;
    int m_row = 0;
};

#endif
