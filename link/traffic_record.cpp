#include "link/traffic_record.h"

#include <chrono>

namespace {

struct KindDirection {
    LinkEventKind kind;
    TrafficDirection direction;
};
constexpr KindDirection kDirections[] = {
    {LinkEventKind::Wrote, TrafficDirection::Sent},
    {LinkEventKind::Read, TrafficDirection::Received},
    {LinkEventKind::TimedOut, TrafficDirection::TimedOut},
    {LinkEventKind::Discarded, TrafficDirection::Discarded},
    {LinkEventKind::OpenFailed, TrafficDirection::OpenFailed},
    {LinkEventKind::WriteFailed, TrafficDirection::WriteFailed},
};

TrafficDirection DirectionOf(LinkEventKind kind) {
    for (const KindDirection& entry : kDirections)
        if (entry.kind == kind) return entry.direction;
    return TrafficDirection::Sent;
}

}  // namespace

TrafficRecord TrafficRecorder::Record(const LinkEvent& event) {
    using namespace std::chrono;
    TrafficRecord record;
    record.direction = DirectionOf(event.kind);
    // The event's steady time on the wall clock: the link reports as it
    // happens, so the two clocks are read a moment apart at most.
    record.when = time_point_cast<system_clock::duration>(system_clock::now() -
                                                          (steady_clock::now() - event.time));
    record.bytes.assign(event.bytes.begin(), event.bytes.end());
    record.asked = event.asked;
    record.moved = event.moved;
    record.step = event.step;
    record.openError = event.openError;
    record.portGone = event.portGone;
    switch (record.direction) {
    case TrafficDirection::Sent:
    case TrafficDirection::WriteFailed:
        record.command = ReadCommand(event.bytes, event.replyAhead);
        // A text goes where the locate before it put the cursor.
        if (record.command.kind == CommandReading::Kind::Locate) m_row = record.command.row;
        if (record.command.kind == CommandReading::Kind::Text) record.command.row = m_row;
        m_lastWrite = event.time;
        m_wrote = true;
        m_lastCommand = record.command.kind;
        break;
    case TrafficDirection::Received:
    case TrafficDirection::TimedOut:
        record.request = m_lastCommand;
        if (m_wrote)
            record.delayMs = static_cast<int>(duration_cast<milliseconds>(event.time - m_lastWrite).count());
        break;
    case TrafficDirection::Discarded:
    case TrafficDirection::OpenFailed: break;
    }
    return record;
}
