// The recorder pairs each reply with its request and carries what the
// request meant; driven by the events a link reports, in order.
#include "link/traffic_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Kind = CommandReading::Kind;
using Clock = std::chrono::steady_clock;

struct Recording : ::testing::Test {
    TrafficRecorder recorder;
    Clock::time_point t0 = Clock::now();
    std::vector<std::string> kept;  // the events' bytes live as long as the test

    TrafficRecord Event(LinkEventKind kind, std::chrono::milliseconds at, std::string bytes = "",
                        std::uint32_t asked = 0, std::uint32_t replyAhead = 0) {
        kept.push_back(std::move(bytes));
        const std::string& b = kept.back();
        LinkEvent e{.kind = kind,
                    .time = t0 + at,
                    .bytes = {reinterpret_cast<const unsigned char*>(b.data()), b.size()},
                    .asked = asked,
                    .moved = static_cast<std::uint32_t>(b.size()),
                    .replyAhead = replyAhead};
        return recorder.Record(e);
    }
};

TEST_F(Recording, AReplyTakesItsDelayFromTheRequestsLastWrite) {
    const TrafficRecord t1 = Event(LinkEventKind::Wrote, 0ms, "T");
    const TrafficRecord t2 = Event(LinkEventKind::Wrote, 3ms, "t", 1, 9);
    const TrafficRecord reply = Event(LinkEventKind::Read, 15ms, "+023.5 C", 9);
    EXPECT_EQ(t1.direction, TrafficDirection::Sent);
    EXPECT_EQ(t1.command.kind, Kind::Temperature1);
    EXPECT_EQ(t2.command.kind, Kind::Temperature2);
    EXPECT_EQ(reply.direction, TrafficDirection::Received);
    EXPECT_EQ(reply.request, Kind::Temperature2);
    EXPECT_EQ(reply.delayMs, 12);
    EXPECT_EQ(reply.bytes, "+023.5 C");
}

TEST_F(Recording, AShortReadIsTimedOutWithWhatCame) {
    Event(LinkEventKind::Wrote, 0ms, "a", 1, 4);
    const TrafficRecord r = Event(LinkEventKind::TimedOut, 300ms, "05", 4);
    EXPECT_EQ(r.direction, TrafficDirection::TimedOut);
    EXPECT_EQ(r.request, Kind::Analog);
    EXPECT_EQ(r.asked, 4u);
    EXPECT_EQ(r.moved, 2u);
    EXPECT_EQ(r.delayMs, 300);
}

TEST_F(Recording, ATextGoesToTheRowTheLocateBeforeItChose) {
    const TrafficRecord before = Event(LinkEventKind::Wrote, 0ms, "wCiao");
    Event(LinkEventKind::Wrote, 1ms, "l\x21");
    const TrafficRecord text = Event(LinkEventKind::Wrote, 2ms, "wCiao           ");
    EXPECT_EQ(before.command.row, 0);  // no locate yet: no row to name
    EXPECT_EQ(text.command.kind, Kind::Text);
    EXPECT_EQ(text.command.row, 2);
    EXPECT_EQ(text.command.characters, 15);
}

TEST_F(Recording, AReadBeforeAnyWriteHasNoDelay) {
    EXPECT_EQ(Event(LinkEventKind::Read, 5ms, "0512", 4).delayMs, -1);
}

TEST_F(Recording, WallTimesFollowTheEventsOwnTimes) {
    const TrafficRecord a = Event(LinkEventKind::Discarded, 0ms, "XY", 2);
    const TrafficRecord b = Event(LinkEventKind::Discarded, 250ms, "Z", 1);
    const auto apart = std::chrono::duration_cast<std::chrono::milliseconds>(b.when - a.when).count();
    EXPECT_GE(apart, 245);
    EXPECT_LE(apart, 255);
}

}  // namespace
