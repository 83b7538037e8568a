// The simulated board's command line: the values each option takes, and
// the link it makes, replaces and removes without harming anything else.
#include "sim/board_cli.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ParseCase {
    std::vector<std::string> args;
    bool ok;
    std::string error;  // part of the reason, when refused
};

bool Parse(std::vector<std::string> args, sim::BoardOptions& options, std::string& error) {
    args.insert(args.begin(), "velmora-board");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return sim::ParseBoardOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

TEST(BoardOptions, TakesValuesInRangeAndRefusesTheRest) {
    const ParseCase cases[] = {
        {{}, true, ""},
        {{"--no-window", "--link", "COM3", "--analog", "0", "--temp", "-40"}, true, ""},
        {{"--analog", "1023", "--temp", "125", "--reply", "late=60000"}, true, ""},
        {{"--temp", "21,5"}, true, ""},  // as the window takes it
        {{"--reply", "late=0"}, true, ""},
        {{"--reply", "never"}, true, ""},
        {{"--help"}, true, ""},
        {{"--version"}, true, ""},
        {{"--reply", "late=-1"}, false, "bad value 'late=-1' for --reply"},
        {{"--reply", "late=abc"}, false, "bad value 'late=abc'"},
        {{"--reply", "late=60001"}, false, "bad value"},
        {{"--reply", "late="}, false, "bad value"},
        {{"--reply", "late"}, false, "bad value"},
        {{"--reply", "short=3"}, false, "bad value"},
        {{"--reply", "slow"}, false, "bad value"},
        {{"--reply", "slow=60001"}, false, "bad value 'slow=60001'"},
        {{"--reply", "crlf=2"}, false, "bad value"},
        {{"--reply", "chatty=1"}, false, "bad value"},
        {{"--reply", "soon"}, false, "bad value 'soon'"},
        {{"--analog", "abc"}, false, "bad value 'abc' for --analog"},
        {{"--analog", "-1"}, false, "bad value"},
        {{"--analog", "1024"}, false, "bad value"},
        {{"--analog", "12x"}, false, "bad value"},
        {{"--analog", ""}, false, "bad value"},
        {{"--temp", "nan"}, false, "bad value 'nan' for --temp"},
        {{"--temp", "inf"}, false, "bad value"},
        {{"--temp", "125.1"}, false, "bad value"},
        {{"--temp", "-40.5"}, false, "bad value"},
        {{"--temp", "2e1"}, false, "bad value"},
        {{"--link", ""}, false, "bad value '' for --link"},
        {{"--link"}, false, "--link needs a value"},
        {{"--analog"}, false, "--analog needs a value"},
        {{"--colour", "red"}, false, "unknown option '--colour'"},
        {{"COM3"}, false, "unknown option 'COM3'"},
    };
    for (const ParseCase& c : cases) {
        std::string joined;
        for (const std::string& a : c.args) joined += a + " ";
        SCOPED_TRACE(joined);
        sim::BoardOptions options;
        std::string error;
        EXPECT_EQ(Parse(c.args, options, error), c.ok);
        if (!c.ok) {
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
        }
    }
}

TEST(BoardOptions, ReadsEachValue) {
    sim::BoardOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--no-window", "--link", "here/COM3", "--analog", "731", "--temp", "21.5", "--reply",
                       "late=250"},
                      options, error));
    EXPECT_FALSE(options.window);
    EXPECT_EQ(options.link, "here/COM3");
    EXPECT_EQ(options.analog, 731);
    EXPECT_EQ(options.temperature, 21.5);
    EXPECT_EQ(options.reply, sim::Reply::Late);
    EXPECT_EQ(options.lateMs, 250);
}

TEST(BoardOptions, EachReplyModeByItsName) {
    struct Case {
        std::string value;
        sim::Reply mode;
        int lateMs;
    };
    const Case cases[] = {
        {"normal", sim::Reply::Normal, 0}, {"slow=280", sim::Reply::Late, 280},
        {"late=90", sim::Reply::Late, 90},  // the older name, still taken
        {"never", sim::Reply::Never, 0},   {"short", sim::Reply::Short, 0},
        {"zero", sim::Reply::ZeroByte, 0}, {"extra", sim::Reply::Extra, 0},
        {"crlf", sim::Reply::Crlf, 0},     {"chatty", sim::Reply::Chatty, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        sim::BoardOptions options;
        std::string error;
        ASSERT_TRUE(Parse({"--reply", c.value}, options, error)) << error;
        EXPECT_EQ(options.reply, c.mode);
        EXPECT_EQ(options.lateMs, c.lateMs);
    }
    // The usage names every mode, with "slow" as the documented one.
    for (const char* name : {"slow=0..60000", "never", "short", "zero", "extra", "crlf", "chatty"})
        EXPECT_NE(sim::UsageText().find(name), std::string::npos) << name;
}

TEST(BoardLog, SixteenBytesALineWithTheTextInOneColumn) {
    const std::string row = "\x1b" "Acquisisci temperatura e ingresso analogico";  // 44 bytes
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::string pad(49 - 9, ' ');
    const Case cases[] = {
        {"", {}},
        {std::string("a\x01" "b", 3), {"61 01 62 " + pad + "a.b"}},
        {"0123456789ABCDEF",
         {"30 31 32 33 34 35 36 37 38 39 41 42 43 44 45 46  0123456789ABCDEF"}},
        {row,
         {"1B 41 63 71 75 69 73 69 73 63 69 20 74 65 6D 70  .Acquisisci temp",
          "65 72 61 74 75 72 61 20 65 20 69 6E 67 72 65 73  eratura e ingres",
          "73 6F 20 61 6E 61 6C 6F 67 69 63 6F " + std::string(49 - 36, ' ') + "so analogico"}},
    };
    for (const Case& c : cases) EXPECT_EQ(sim::DumpLines(c.bytes), c.lines) << c.bytes;
}
struct LinkTest : ::testing::Test {
    fs::path dir;
    std::string link;
    void SetUp() override {
        char tmpl[] = "/tmp/velmora-link-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        link = (dir / "COM3").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Target() const { return fs::is_symlink(link) ? fs::read_symlink(link).string() : ""; }
};

TEST_F(LinkTest, MakesTheLinkAndRemovesItAtTheEnd) {
    sim::SimBoard board;
    ASSERT_EQ(sim::MakeLink(board, link), 0);
    EXPECT_EQ(Target(), board.Path());
    sim::RemoveLink(board, link);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST_F(LinkTest, ReplacesALinkLeftBehind) {
    fs::create_symlink("/dev/pts/999", link);
    sim::SimBoard board;
    ASSERT_EQ(sim::MakeLink(board, link), 0);
    EXPECT_EQ(Target(), board.Path());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no helper left
}

TEST_F(LinkTest, LeavesAnythingButALinkAsItIs) {
    sim::SimBoard board;
    // A file with content, a folder, and a FIFO standing in for a device node.
    const auto makeFile = [&] { std::ofstream(link) << "precious"; };
    const auto makeFolder = [&] { fs::create_directory(link); };
    const auto makeFifo = [&] { ASSERT_EQ(::mkfifo(link.c_str(), 0600), 0); };
    for (const auto& make : {std::function<void()>(makeFile), std::function<void()>(makeFolder),
                             std::function<void()>(makeFifo)}) {
        make();
        const auto type = fs::symlink_status(link).type();
        EXPECT_EQ(sim::MakeLink(board, link), 2);
        EXPECT_EQ(fs::symlink_status(link).type(), type);
        sim::RemoveLink(board, link);
        EXPECT_EQ(fs::symlink_status(link).type(), type);
        fs::remove(link);
    }
    std::ofstream(link) << "precious";
    EXPECT_EQ(sim::MakeLink(board, link), 2);
    std::string content;
    std::ifstream(link) >> content;
    EXPECT_EQ(content, "precious");
}

TEST_F(LinkTest, ABoardEndingLateLeavesTheLinkOfTheBoardAfterIt) {
    sim::SimBoard first, second;
    ASSERT_EQ(sim::MakeLink(first, link), 0);
    ASSERT_EQ(sim::MakeLink(second, link), 0);
    sim::RemoveLink(first, link);
    EXPECT_EQ(Target(), second.Path());
    sim::RemoveLink(second, link);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

}  // namespace
