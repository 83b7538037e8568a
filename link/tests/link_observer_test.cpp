// What the link tells its observer, through a real pseudo-terminal with the
// simulated board on the other side: the bytes of each write, read and
// discard with their times, short reads, and the step of a failed connect
// or write. The connect's own result is checked beside its event.
#include "link/serial_link.h"
#include "sim/sim_board.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Each event with its bytes copied, as the link's live only for the call.
struct Recorded {
    LinkEventKind kind;
    Clock::time_point time;
    std::string bytes;
    std::uint32_t asked;
    std::uint32_t moved;
    LinkStep step;
    port::OpenError openError;
    bool portGone;
    std::uint32_t replyAhead;
};

struct RecordingObserver : LinkObserver {
    std::vector<Recorded> events;
    void OnLinkEvent(const LinkEvent& e) override {
        events.push_back({e.kind, e.time, std::string(e.bytes.begin(), e.bytes.end()), e.asked, e.moved,
                          e.step, e.openError, e.portGone, e.replyAhead});
    }
    // The events of one kind, bytes only.
    // The writes' counts of reply bytes to come.
    std::vector<std::uint32_t> RepliesAhead() const {
        std::vector<std::uint32_t> out;
        for (const Recorded& r : events)
            if (r.kind == LinkEventKind::Wrote) out.push_back(r.replyAhead);
        return out;
    }
    std::vector<std::string> Bytes(LinkEventKind kind) const {
        std::vector<std::string> out;
        for (const Recorded& r : events)
            if (r.kind == kind) out.push_back(r.bytes);
        return out;
    }
};

struct ObservedLink : ::testing::Test {
    sim::SimBoard board;
    CSerialLink link;
    RecordingObserver seen;
    void SetUp() override {
        ASSERT_TRUE(board.Ok());
        link.SetObserver(&seen);
    }
    void Connect() {
        ASSERT_TRUE(link.Connect(board.Path()).opened);
        seen.events.clear();
    }
};

TEST_F(ObservedLink, WritesAndReadsAreToldInOrderWithTheirBytesAndTimes) {
    Connect();
    board.SetAnalog(512);
    const auto before = Clock::now();
    ASSERT_TRUE(link.Layout());
    const auto afterLayout = Clock::now();
    const BoardReply reply = link.ReadAnalog();
    const auto after = Clock::now();
    ASSERT_TRUE(reply.read);
    EXPECT_EQ(reply.text, "0512");

    ASSERT_EQ(seen.events.size(), 3u);
    const Recorded& layout = seen.events[0];
    const Recorded& request = seen.events[1];
    const Recorded& answer = seen.events[2];
    EXPECT_EQ(layout.kind, LinkEventKind::Wrote);
    EXPECT_EQ(layout.bytes, "c");
    EXPECT_EQ(layout.asked, 1u);
    EXPECT_EQ(layout.moved, 1u);
    EXPECT_EQ(request.kind, LinkEventKind::Wrote);
    EXPECT_EQ(request.bytes, "a");
    EXPECT_EQ(answer.kind, LinkEventKind::Read);
    EXPECT_EQ(answer.bytes, "0512");
    EXPECT_EQ(answer.asked, 4u);
    EXPECT_EQ(answer.moved, 4u);
    // Each stamped when its call returned, on the steady clock.
    EXPECT_GE(layout.time, before);
    EXPECT_LE(layout.time, afterLayout);
    EXPECT_GE(request.time, afterLayout);
    EXPECT_GE(answer.time, request.time);
    EXPECT_LE(answer.time, after);
    for (const Recorded& r : seen.events) EXPECT_FALSE(r.portGone);
}

TEST_F(ObservedLink, ATemperatureIsTwoWritesAndAReadAndARowTwoWrites) {
    Connect();
    board.SetTemperature(23.5);
    ASSERT_TRUE(link.ReadTemperature().read);
    // Last: the board takes all that follows "w" as the row's text.
    ASSERT_TRUE(link.Locate(2));
    ASSERT_TRUE(link.Text("Ciao è", 8));
    EXPECT_EQ(seen.Bytes(LinkEventKind::Wrote),
              (std::vector<std::string>{"T", "t", "l\x21", "wCiao \xE8  "}));
    EXPECT_EQ(seen.Bytes(LinkEventKind::Read), std::vector<std::string>{sim::SimBoard::TemperatureReply(23.5)});
    // Only the write a read follows says what the read will ask for.
    EXPECT_EQ(seen.RepliesAhead(), (std::vector<std::uint32_t>{0, 9, 0, 0}));
}

TEST_F(ObservedLink, TheAnalogAndTheHelloRequestsAreToldApartByTheReplyTheyAwait) {
    Connect();
    ASSERT_TRUE(link.ReadAnalog().read);
    link.Hello();
    ASSERT_TRUE(link.Layout());
    EXPECT_EQ(seen.Bytes(LinkEventKind::Wrote), (std::vector<std::string>{"a", "a", "c"}));
    EXPECT_EQ(seen.RepliesAhead(), (std::vector<std::uint32_t>{4, CSerialLink::kBufferSize, 0}));
}

TEST_F(ObservedLink, ADiscardTellsTheBytesItDropped) {
    Connect();
    board.Inject("late reply and garbage");
    std::this_thread::sleep_for(50ms);  // let them reach our side
    const BoardReply reply = link.ReadAnalog();
    EXPECT_EQ(reply.text, "0512");  // dropped, not taken for the reply
    std::string dropped;
    for (const std::string& b : seen.Bytes(LinkEventKind::Discarded)) dropped += b;
    EXPECT_EQ(dropped, "late reply and garbage");
    ASSERT_FALSE(seen.events.empty());
    EXPECT_EQ(seen.events.front().kind, LinkEventKind::Discarded);  // before the request went out
    // Nothing waiting: a discard tells nothing.
    seen.events.clear();
    link.DiscardInput();
    EXPECT_TRUE(seen.events.empty());
}

struct ShortCase {
    const char* name;
    sim::Reply mode;
    int lateMs;
    LinkEventKind kind;
    std::string bytes;
};

void PrintTo(const ShortCase& c, std::ostream* os) { *os << c.name; }

class ObservedReads : public ObservedLink, public ::testing::WithParamInterface<ShortCase> {};

TEST_P(ObservedReads, AReadThatCameShortIsATimeOutWithWhatCame) {
    Connect();
    board.SetAnalog(512);
    board.SetReply(GetParam().mode, GetParam().lateMs);
    link.ReadAnalog();
    ASSERT_EQ(seen.events.size(), 2u);
    const Recorded& read = seen.events[1];
    EXPECT_EQ(read.kind, GetParam().kind);
    EXPECT_EQ(read.bytes, GetParam().bytes);
    EXPECT_EQ(read.asked, 4u);
    EXPECT_EQ(read.moved, GetParam().bytes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ObservedReads,
    ::testing::Values(ShortCase{"Whole", sim::Reply::Normal, 0, LinkEventKind::Read, "0512"},
                      ShortCase{"LateButInTime", sim::Reply::Late, 100, LinkEventKind::Read, "0512"},
                      ShortCase{"Half", sim::Reply::Short, 0, LinkEventKind::TimedOut, "05"},
                      ShortCase{"Silent", sim::Reply::Never, 0, LinkEventKind::TimedOut, ""},
                      ShortCase{"AfterTheBound", sim::Reply::Late, 2 * port::kReadBoundMs,
                                LinkEventKind::TimedOut, ""}),
    [](const ::testing::TestParamInfo<ShortCase>& p) { return std::string(p.param.name); });

TEST_F(ObservedLink, AWriteToABoardThatLeftIsAFailedWriteWithItsBytes) {
    Connect();
    board.Vanish();
    EXPECT_FALSE(link.Switch(Output::Led1, true));
    EXPECT_TRUE(link.PortGone());
    ASSERT_EQ(seen.events.size(), 1u);
    const Recorded& failed = seen.events[0];
    EXPECT_EQ(failed.kind, LinkEventKind::WriteFailed);
    EXPECT_EQ(failed.step, LinkStep::Write);
    EXPECT_EQ(failed.bytes, "LEDb1on");
    EXPECT_EQ(failed.asked, 7u);
    EXPECT_EQ(failed.moved, 0u);
    EXPECT_TRUE(failed.portGone);
    // A request stops at its failed write: no read is tried or told.
    seen.events.clear();
    const BoardReply reply = link.ReadTemperature();
    EXPECT_FALSE(reply.written);
    ASSERT_EQ(seen.events.size(), 1u);
    EXPECT_EQ(seen.events[0].kind, LinkEventKind::WriteFailed);
    EXPECT_EQ(seen.events[0].bytes, "T");
}

struct ConnectCase {
    const char* name;
    std::string port;  // "BOARD": the board's; "HELD": the board's, held by another opener
    LinkStep step;
    port::OpenError openError;
};

void PrintTo(const ConnectCase& c, std::ostream* os) { *os << c.name; }

class FailedConnects : public ObservedLink, public ::testing::WithParamInterface<ConnectCase> {};

TEST_P(FailedConnects, SayWhichStepFailedAndWhyInTheResultAndTheEvent) {
    const ConnectCase& c = GetParam();
    port::Handle holder = port::kNoPort;
    std::string name = c.port;
    if (name == "HELD") {
        name = board.Path();
        holder = port::Open(name.c_str());
        ASSERT_NE(holder, port::kNoPort);
    }
    const ConnectResult result = link.Connect(name);
    if (holder != port::kNoPort) port::Close(holder);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.failedStep, c.step);
    EXPECT_EQ(result.openError, c.openError);
    EXPECT_FALSE(link.IsOpen());  // a failed settings call leaves no port open
    ASSERT_EQ(seen.events.size(), 1u);
    EXPECT_EQ(seen.events[0].kind, LinkEventKind::OpenFailed);
    EXPECT_EQ(seen.events[0].step, c.step);
    EXPECT_EQ(seen.events[0].openError, c.openError);
}

INSTANTIATE_TEST_SUITE_P(
    Ports, FailedConnects,
    ::testing::Values(
        ConnectCase{"NoSuchPort", "/dev/velmora-no-such-port", LinkStep::Open, port::OpenError::NotFound},
        ConnectCase{"HeldByAnother", "HELD", LinkStep::Open, port::OpenError::Busy},
        ConnectCase{"AFolder", "/tmp", LinkStep::Open, port::OpenError::NotSerial},
        ConnectCase{"NoTerminal", "/dev/null", LinkStep::ReadSettings, port::OpenError::None}),
    [](const ::testing::TestParamInfo<ConnectCase>& p) { return std::string(p.param.name); });

TEST_F(ObservedLink, AConnectThatOpensTellsOnlyWhatItDropped) {
    board.Inject("hello before we listened");
    std::this_thread::sleep_for(50ms);
    const ConnectResult result = link.Connect(board.Path());
    EXPECT_TRUE(result.opened);
    std::string dropped;
    for (const Recorded& r : seen.events) {
        EXPECT_EQ(r.kind, LinkEventKind::Discarded);
        dropped += r.bytes;
    }
    EXPECT_EQ(dropped, "hello before we listened");
}

TEST_F(ObservedLink, AnObserverTakenAwayHearsNoMore) {
    Connect();
    link.SetObserver(nullptr);
    ASSERT_TRUE(link.Layout());
    ASSERT_TRUE(link.ReadAnalog().read);
    board.Inject("xyz");
    std::this_thread::sleep_for(50ms);
    link.DiscardInput();
    EXPECT_TRUE(seen.events.empty());
    EXPECT_EQ(link.ReadAnalog().text, "0512");  // the unobserved discard dropped them too
}

}  // namespace
