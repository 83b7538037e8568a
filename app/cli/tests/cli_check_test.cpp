// check, find and --trace against the simulated board on a pseudo-terminal:
// check passes a sound board and fails each firmware fault by name; a plain
// check sends only reads, --outputs leaves everything off again; find tells
// the board's port from a silent one, /dev/null and a busy port; the trace's
// sent lines are the very bytes the board received.
#include "app/cli/tests/cli_run_fixture.h"
#include "link/port_backend.h"
#include "panel/tests/os_faults.h"

#include <algorithm>
#include <fcntl.h>
#include <regex>
#include <set>
#include <sstream>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

const std::vector<std::string> kChecks = {"analog reply", "temperature reply", "hello reply", "delays",
                                          "nothing unasked"};

// The checks that a run's output marks FAIL, and those it marks PASS.
std::set<std::string> Marked(const std::string& out, const std::string& mark) {
    std::set<std::string> names;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(mark + " ")) continue;
        names.insert(line.substr(mark.size() + 1, line.find(':') - mark.size() - 1));
    }
    return names;
}

struct FaultCase {
    const char* name;
    sim::Reply mode;
    int lateMs;
    std::set<std::string> failing;
    const char* says;  // in the output, for the first failing check
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class CheckAgainst : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CheckAgainst, PassesOrFailsByNameWithItsFigures) {
    const FaultCase& c = GetParam();
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    f.board.SetReply(c.mode, c.lateMs);
    const int status = f.Run({"-p", f.board.Path(), "check", "-n", "2"});
    const std::string out = f.out.str();
    EXPECT_EQ(status, c.failing.empty() ? 0 : 1) << out << f.err.str();
    EXPECT_EQ(Marked(out, "FAIL"), c.failing) << out;
    std::set<std::string> passing(kChecks.begin(), kChecks.end());
    for (const std::string& failed : c.failing) passing.erase(failed);
    EXPECT_EQ(Marked(out, "PASS"), passing) << out;
    EXPECT_NE(out.find(c.says), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CheckAgainst,
    ::testing::Values(
        FaultCase{"Normal", sim::Reply::Normal, 0, {}, "PASS delays: min "},
        FaultCase{"Crlf", sim::Reply::Crlf, 0, {"hello reply", "nothing unasked"},
                  "after Analog input read \"a\": \"<0D><0A>\" [0D 0A]"},
        // Near the bound, with room under it for a slow machine.
        FaultCase{"Slow", sim::Reply::Late, 255, {"delays"}, "ms of the 300 ms bound; min 2"},
        FaultCase{"Chatty", sim::Reply::Chatty, 0, {"temperature reply", "hello reply", "nothing unasked"},
                  "FAIL temperature reply: 0 of 2 good; read 1: \". 23.5<B0>C<00>\""},
        FaultCase{"Never", sim::Reply::Never, 0, {"analog reply", "temperature reply", "hello reply", "delays"},
                  "FAIL analog reply: 0 of 2 good; read 1: no reply within 300 ms"},
        FaultCase{"Short", sim::Reply::Short, 0, {"analog reply", "temperature reply", "hello reply", "delays"},
                  "incomplete reply: 2 of 4 bytes \"05\""},
        FaultCase{"Extra", sim::Reply::Extra, 0, {"hello reply", "nothing unasked"}, "\"XY\" [58 59]"},
        FaultCase{"ZeroByte", sim::Reply::ZeroByte, 0, {"analog reply", "temperature reply", "hello reply"},
                  "\"05<00>2\" [30 35 00 32] is not 4 ASCII digits in 0..1023"}));

// What a session left on the board before a check: rows, an LED, the buzzer.
void Prepare(CliRunFixture& f) {
    ASSERT_EQ(f.Run({"-p", f.board.Path(), "row", "1", "Kept", "led", "3", "on", "buzzer", "on"}), 0);
    std::this_thread::sleep_for(100ms);  // the board has read all of it
    f.board.ClearReceived();
    f.out.str("");
}

TEST(Check, WithoutOutputsSendsOnlyReadsAndChangesNothing) {
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    Prepare(f);
    const sim::BoardState before = f.board.State();
    ASSERT_EQ(f.Run({"-p", f.board.Path(), "check", "-n", "3"}), 0) << f.out.str();
    std::this_thread::sleep_for(100ms);
    const std::string received = f.board.Received();
    // 3 analog reads, 3 temperature reads and the hello read.
    EXPECT_EQ(std::ranges::count(received, 'a'), 4);
    EXPECT_EQ(std::ranges::count(received, 'T'), 3);
    EXPECT_EQ(std::ranges::count(received, 't'), 3);
    EXPECT_EQ(received.size(), 10u) << received;
    const sim::BoardState after = f.board.State();
    EXPECT_EQ(after.display, before.display);
    EXPECT_EQ(after.leds, before.leds);
    EXPECT_EQ(after.buzzer, before.buzzer);
    EXPECT_TRUE(after.buzzer && after.leds[2]);  // what the session set stays set
}

TEST(Check, WithOutputsWritesEveryRowAndLeavesEveryOutputOff) {
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    Prepare(f);
    ASSERT_EQ(f.Run({"-p", f.board.Path(), "-c", "20", "check", "-n", "1", "--outputs"}), 0) << f.out.str();
    std::this_thread::sleep_for(100ms);
    const sim::BoardState s = f.board.State();
    for (int row = 1; row <= 4; ++row) {
        const std::string shown = "Check row " + std::to_string(row);
        EXPECT_EQ(s.display[static_cast<std::size_t>(row - 1)].substr(0, 20), shown + std::string(20 - shown.size(), ' '));
    }
    EXPECT_EQ(s.leds, (std::array<bool, 4>{}));
    EXPECT_FALSE(s.buzzer);
    // Each went on before it went off.
    const std::string received = f.board.Received();
    for (const char* on : {"LEDb1on", "LEDron", "LEDb2on", "LEDvon", "PWM1on"}) {
        const std::string off = std::string(on).substr(0, std::string(on).size() - 1) + "ff";
        const auto at = received.find(on);
        ASSERT_NE(at, std::string::npos) << on;
        EXPECT_NE(received.find(off, at), std::string::npos) << off;
    }
    // 4 for the reads ("a", "T", "t", the hello's "a"), 1 layout, 8 for the rows, 10 switches.
    EXPECT_NE(f.out.str().find("PASS nothing unasked: no byte came after 23 commands"), std::string::npos)
        << f.out.str();
}

TEST(Check, AChattyBoardIsNamedAfterCommandsThatExpectNoReply) {
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    f.board.SetReply(sim::Reply::Chatty);
    EXPECT_EQ(f.Run({"-p", f.board.Path(), "check", "-n", "1", "--outputs"}), 1);
    // Of 23 commands, the stray byte after "T" lands in the temperature
    // reply and the hello read takes its own: 21 left unasked, the layout's
    // the first after the reads.
    const std::string out = f.out.str();
    EXPECT_NE(out.find("FAIL nothing unasked: bytes came unasked 21 times in 23 commands"), std::string::npos)
        << out;
    EXPECT_NE(out.find("after Screen: apply layout \"c\": \".\" [2E]"), std::string::npos) << out;
}

// A pseudo-terminal nobody answers on.
struct SilentPty {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    std::string path;
    SilentPty() {
        char name[128];
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0 &&
            ::ptsname_r(master, name, sizeof name) == 0)
            path = name;
    }
    ~SilentPty() {
        if (master >= 0) ::close(master);
    }
};

TEST(Find, ListsTheBoardAndNamesTheRest) {
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    SilentPty silent;
    ASSERT_FALSE(silent.path.empty());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(f.Run({"find", silent.path, "/dev/null", f.board.Path(), "/dev/velmora-none"}), 0) << f.err.str();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);  // one read bound for the silent one
    EXPECT_EQ(f.out.str(), f.board.Path() + "\n");
    const std::string err = f.err.str();
    EXPECT_NE(err.find(silent.path + ": no reply within 300 ms"), std::string::npos) << err;
    EXPECT_NE(err.find("/dev/null: skipped: not a serial port"), std::string::npos) << err;
    EXPECT_NE(err.find("/dev/velmora-none: skipped: no such port"), std::string::npos) << err;
    // The board got the analog read alone.
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(f.board.Received(), "a");
}

TEST(Find, SkipsABusyPortAndFailsWithNoBoard) {
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    const port::Handle holder = port::Open(f.board.Path().c_str());
    ASSERT_NE(holder, port::kNoPort);
    f.present = {f.board.Path()};  // with no port named, every one present is probed
    EXPECT_EQ(f.Run({"find"}), 1);
    port::Close(holder);
    EXPECT_EQ(f.out.str(), "");
    EXPECT_NE(f.err.str().find(f.board.Path() + ": skipped: busy: another program holds the port"),
              std::string::npos)
        << f.err.str();
    EXPECT_EQ(f.board.Received(), "");  // a skipped port gets no byte
}

TEST(Find, ABoardWithAnotherReplyIsNotListed) {
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    f.board.SetReply(sim::Reply::Extra);  // "0512XY": the first 4 read like a board's
    SilentPty silent;
    f.present = {silent.path};
    EXPECT_EQ(f.Run({"find"}), 1);
    EXPECT_NE(f.err.str().find(silent.path + ": no reply within 300 ms"), std::string::npos) << f.err.str();
    f.board.SetReply(sim::Reply::ZeroByte);
    f.err.str("");
    EXPECT_EQ(f.Run({"find", f.board.Path()}), 1);
    EXPECT_NE(f.err.str().find("is not this board's"), std::string::npos) << f.err.str();
}

// The trace's lines of one direction: the hex between the brackets, joined.
std::string TracedBytes(const std::string& err, const std::string& direction) {
    static const std::regex kLine(R"(^\d\d:\d\d:\d\d\.\d{3}  (\S+(?: \S+)?) +.*?(?:  \[([0-9A-F ]*)\])?$)");
    std::string bytes;
    std::istringstream lines(err);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, kLine) || m[1] != direction) continue;
        std::istringstream hex(m[2]);
        for (unsigned value = 0; hex >> std::hex >> value;) bytes += static_cast<char>(value);
    }
    return bytes;
}

struct TraceCase {
    const char* name;
    sim::Reply mode;
    std::vector<std::string> args;  // after "-p PORT --trace"
    std::vector<std::string> says;  // trace lines' endings, in order
};

void PrintTo(const TraceCase& c, std::ostream* os) { *os << c.name; }

class Trace : public ::testing::TestWithParam<TraceCase> {};

TEST_P(Trace, SentLinesAreTheBytesTheBoardReceived) {
    const TraceCase& c = GetParam();
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    f.board.SetReply(c.mode);
    std::vector<std::string> args = {"-p", f.board.Path(), "--trace"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    f.Run(args);
    std::this_thread::sleep_for(100ms);
    const std::string err = f.err.str();
    EXPECT_EQ(TracedBytes(err, "sent"), f.board.Received()) << err;
    std::size_t at = 0;
    for (const std::string& words : c.says) {
        const auto found = err.find(words, at);
        EXPECT_NE(found, std::string::npos) << words << " after " << at << " in\n" << err;
        if (found != std::string::npos) at = found + words.size();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Trace,
    ::testing::Values(
        TraceCase{"EveryCommand",
                  sim::Reply::Normal,
                  {"layout", "row", "2", "Ciao", "led", "1", "on", "buzzer", "off", "temp", "analog", "hello"},
                  {"sent       \"c\"  Screen: apply layout  [63]\n",
                   "sent       \"l!\"  Row 2: locate  [6C 21]\n",
                   "sent       \"wCiao            \"  Row 2: text (16 characters)  "
                   "[77 43 69 61 6F 20 20 20 20 20 20 20 20 20 20 20 20]\n",
                   "LED 1 on  [4C 45 44 62 31 6F 6E]\n", "Buzzer off  [", "Temperature read (1/2)  [54]\n",
                   "Temperature read (2/2)  [74]\n",
                   "received   \" 23.5<B0>C<00><00>\"  reply after ", " ms  [20 32 33 2E 35 B0 43 00 00]\n",
                   "Analog input read  [61]\n", "received   \"0512\"  reply after ", " ms  [30 35 31 32]\n",
                   "Hello  [61]\n", "timed out  \"0512\"  reply: 4 bytes in "}},
        TraceCase{"SilentBoard", sim::Reply::Never, {"analog"}, {"Analog input read  [61]\n", "timed out  no reply within 300 ms\n"}},
        TraceCase{"ShortReply", sim::Reply::Short, {"analog"}, {"timed out  \"05\"  incomplete reply: 2 of 4 bytes  [30 35]\n"}},
        TraceCase{"ExtraBytes",
                  sim::Reply::Extra,
                  {"analog", "analog"},
                  {"reply after ", "discarded  \"XY\"  discarded 2 bytes  [58 59]\n", "Analog input read  [61]\n"}},
        TraceCase{"ChattyCheck", sim::Reply::Chatty, {"check", "-n", "1", "--outputs"},
                  {"discarded  \".\"  discarded 1 bytes  [2E]\n", "Screen: apply layout  [63]\n", "discarded  \".\""}}));

TEST(Trace, AFailedOpenSaysItsStep) {
    CliRunFixture f;
    EXPECT_EQ(f.Run({"--trace", "-p", "/dev/null", "layout"}), 1);
    EXPECT_NE(f.err.str().find("error      Connect failed: reading the port's settings\n"), std::string::npos)
        << f.err.str();
}

TEST(Trace, AFailedWriteSaysWhatItWasAndHowFarItGot) {
    CliRunFixture f;
    ASSERT_TRUE(f.board.Ok());
    std::thread during([&] {
        ASSERT_TRUE(f.board.WaitForBytes(1, 5s));
        os_faults::failWritesTo = f.RunsDescriptor();
    });
    EXPECT_EQ(f.Run({"--trace", "-p", f.board.Path(), "watch", "-i", "0.05", "-n", "200"}), 1);
    during.join();
    os_faults::failWritesTo = -1;
    static const std::regex kFailed(
        R"(\n\d\d:\d\d:\d\d\.\d{3}  not sent   "[aTt]"  (Analog input read|Temperature read \(\d/2\)): write failed \(0 of 1 bytes sent\)  \[(61|54|74)\]\n)");
    EXPECT_TRUE(std::regex_search(f.err.str(), kFailed)) << f.err.str();
}

}  // namespace
