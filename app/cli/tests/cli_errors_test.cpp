// Every way a run of velmora-cli fails, each with its exit status and the
// words it says on stderr; the port is never left held.
#include "app/cli/failure_words.h"
#include "app/cli/tests/cli_run_fixture.h"
#include "panel/tests/os_faults.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Fixture : CliRunFixture {
    std::string port;  // what -p names; the board's unless a case says otherwise
    bool asNobody = false;
    port::Handle holder = port::kNoPort;
    fs::path scratch;

    Fixture() : port(board.Path()) {}
    ~Fixture() {
        if (holder != port::kNoPort) port::Close(holder);
        if (!scratch.empty()) fs::remove_all(scratch);
        os_faults::failWritesTo = -1;
    }
    fs::path Scratch() {
        scratch = fs::temp_directory_path() / ("velmora-cli-test-" + std::to_string(::getpid()));
        fs::create_directories(scratch);
        return scratch;
    }
};

struct ErrorCase {
    std::string name;
    std::vector<std::string> args;  // "PORT" is replaced by the case's port
    std::function<void(Fixture&)> before;
    std::function<void(Fixture&)> during;  // once the run has sent its first bytes
    int status;
    std::string says;  // on stderr
    std::optional<std::string> wire = std::nullopt;  // all the board received, when it matters
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class ErrorExits : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorExits, EndWithTheirStatusAndSayWhy) {
    const ErrorCase& c = GetParam();
    Fixture f;
    ASSERT_TRUE(f.board.Ok());
    if (c.before) c.before(f);
    std::vector<std::string> args = c.args;
    for (std::string& a : args)
        if (a == "PORT") a = f.port;
    std::thread during;
    if (c.during) {
        during = std::thread([&] {
            ASSERT_TRUE(f.board.WaitForBytes(1, std::chrono::seconds(5)));
            c.during(f);
        });
    }
    if (f.asNobody) {
        ASSERT_EQ(::seteuid(65534), 0);
    }
    const int status = f.Run(args);
    if (f.asNobody) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    if (during.joinable()) during.join();
    EXPECT_EQ(status, c.status) << f.err.str();
    EXPECT_NE(f.err.str().find(c.says), std::string::npos) << f.err.str();
    if (c.wire) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // for bytes still on the way
        EXPECT_EQ(f.board.Received(), *c.wire);
    }
    // The run gave the port back: it opens again (a vanished board has none).
    if (f.board.Ok() && f.holder == port::kNoPort && f.port == f.board.Path()) {
        const port::Handle again = port::Open(f.port.c_str());
        EXPECT_NE(again, port::kNoPort);
        if (again != port::kNoPort) port::Close(again);
    }
}

const std::string kNotAnswering = "the board stopped answering";

INSTANTIATE_TEST_SUITE_P(
    Cli, ErrorExits,
    ::testing::Values(
        ErrorCase{"WrongUsage", {"blink"}, {}, {}, 2, "unknown command \"blink\"\nusage: velmora-cli"},
        ErrorCase{"SeveralPortsPresent",
                  {"temp"},
                  [](Fixture& f) { f.present = {"/dev/ttyACM0", "/dev/ttyUSB0"}; },
                  {},
                  2,
                  "several serial ports present; choose one with -p PORT:\n  /dev/ttyACM0\n  /dev/ttyUSB0\n"},
        ErrorCase{"NoPortPresent", {"temp"}, {}, {}, 1, "no serial port present"},
        ErrorCase{"NoSuchPort", {"-p", "/dev/velmora-none", "layout"}, {}, {}, 1,
                  "/dev/velmora-none: no such port"},
        ErrorCase{"NoSuchPortFromTheVariable",
                  {"layout"},
                  [](Fixture& f) { f.portVariable = "/nonexistent/ttyACM0"; },
                  {},
                  1,
                  "/nonexistent/ttyACM0: no such port"},
        ErrorCase{"Busy",
                  {"-p", "PORT", "layout"},
                  [](Fixture& f) { f.holder = port::Open(f.port.c_str()); },
                  {},
                  1,
                  "busy: another program holds the port"},
        ErrorCase{"PermissionDenied",
                  {"-p", "PORT", "layout"},
                  [](Fixture& f) {
                      // root opens anything: it is asked as nobody; a user
                      // meets a port with no rights for them.
                      if (::geteuid() == 0) {
                          f.asNobody = true;
                      } else {
                          f.port = (f.Scratch() / "ttyLocked").string();
                          std::ofstream(f.port).put('x');
                          ::chmod(f.port.c_str(), 0);
                      }
                  },
                  {},
                  1,
                  "permission denied: add your user to the \"dialout\" group"},
        ErrorCase{"NotASerialPort", {"-p", "/dev/null", "layout"}, {}, {}, 1, "/dev/null: not a serial port"},
        ErrorCase{"AFolder",
                  {"-p", "PORT", "layout"},
                  [](Fixture& f) { f.port = f.Scratch().string(); },
                  {},
                  1,
                  "not a serial port"},
        ErrorCase{"RefusesTheLineSettings",
                  {"-p", "PORT", "layout"},
                  [](Fixture&) { os_faults::failSetState = true; },
                  {},
                  1,
                  "the port does not take 115200 8N1"},
        ErrorCase{"BoardSilent",
                  {"-p", "PORT", "layout", "temp"},
                  [](Fixture& f) { f.board.SetReply(sim::Reply::Never); },
                  {},
                  1,
                  kNotAnswering},
        ErrorCase{"HelloUnanswered",
                  {"-p", "PORT", "hello"},
                  [](Fixture& f) { f.board.SetReply(sim::Reply::Never); },
                  {},
                  1,
                  kNotAnswering},
        ErrorCase{"WriteFailsDuringWatch",
                  {"-p", "PORT", "watch", "-i", "0.05", "-n", "200"},
                  {},
                  [](Fixture& f) { os_faults::failWritesTo = f.RunsDescriptor(); },
                  1,
                  kNotAnswering},
        ErrorCase{"BoardGoneDuringWatch",
                  {"-p", "PORT", "watch", "-i", "0.05", "-n", "200"},
                  {},
                  [](Fixture& f) { f.board.Vanish(); },
                  1,
                  "the board is gone (unplugged?)"},
        ErrorCase{"TemperatureReplyCut",
                  {"-p", "PORT", "temp", "layout"},
                  [](Fixture& f) { f.board.SetReply(sim::Reply::Short); },
                  {},
                  1,
                  "warning: the temperature reply \" 23.\" does not parse"},
        ErrorCase{"AnalogReplyWithAZeroByte",
                  {"-p", "PORT", "analog"},
                  [](Fixture& f) { f.board.SetReply(sim::Reply::ZeroByte); },
                  {},
                  1,
                  "warning: the analog reply \"05\" does not parse"},
        ErrorCase{"OutputClosed",
                  {"-p", "PORT", "analog"},
                  [](Fixture& f) { f.out.setstate(std::ios::badbit); },
                  {},
                  1,
                  "cannot write the output"},
        // Ctrl+C before the commands ran: none is sent.
        ErrorCase{"StoppedBeforeTheCommands",
                  {"-p", "PORT", "layout", "led", "1", "on"},
                  [](Fixture& f) { f.stop = 1; },
                  {},
                  130,
                  "",
                  ""}),
    [](const ::testing::TestParamInfo<ErrorCase>& param) { return param.param.name; });

TEST(ErrorExits, ACutReplyPrintsNoValueAndTheRestStillRuns) {
    Fixture f;
    f.board.SetReply(sim::Reply::Short);
    EXPECT_EQ(f.Run({"-p", f.port, "temp", "led", "2", "on"}), 1);
    EXPECT_EQ(f.out.str(), "\n");  // never 0
    EXPECT_TRUE(f.board.WaitForBytes(8, std::chrono::seconds(2)));
    EXPECT_EQ(f.board.Received(), "TtLEDron");
}

TEST(PortFailures, AnOpenRefusedForAnotherReasonSaysSoPlainly) {
    EXPECT_EQ(FailureWords(ConnectFailure({false, LinkStep::Open, port::OpenError::Other})),
              "the port cannot be opened");
    // A device that left is gone, whichever call noticed it.
    EXPECT_EQ(ExchangeFailure(true), PortFailure::Gone);
}

}  // namespace
