// The port operations through real pseudo-terminals and the real POSIX
// backend, with the simulated board on the other side.
#include "link/tests/test_link.h"
#include "sim/sim_board.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct LinkFixture : ::testing::Test {
    sim::SimBoard board;
    TestLink link;
    void SetUp() override { ASSERT_TRUE(board.Ok()); }
    void TearDown() override { link.ClosePort(); }
};

TEST_F(LinkFixture, ConfigureSetsRaw115200EightNoneOne) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    EXPECT_EQ(link.m_bResult, 1);
    termios t{};
    ASSERT_EQ(tcgetattr(static_cast<int>(link.m_hComm), &t), 0);
    EXPECT_EQ(cfgetispeed(&t), B115200);
    EXPECT_EQ(cfgetospeed(&t), B115200);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | INLCR), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
}

TEST_F(LinkFixture, WritesReachTheBoardByteForByte) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    // 0x11 is XON and 0x0D a carriage return: raw mode passes both.
    const std::string bytes("l\x11w\r\n\0x", 7);
    EXPECT_TRUE(link.WritePort(link.Put(bytes)));
    EXPECT_EQ(link.m_dwTransferred, 7u);
    EXPECT_EQ(link.m_nBytes, 7);
    ASSERT_TRUE(board.WaitForBytes(7, 2s));
    EXPECT_EQ(board.Received(), bytes);
}

struct ReplyCase {
    sim::Reply mode;
    int lateMs;
    std::string text;           // the reply text after a 4-byte read
    std::uint32_t transferred;  // bytes that read moved
};

class LinkReplies : public LinkFixture, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(LinkReplies, AReadGivesWhatTheBoardSentUpToTheFirstZero) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    board.SetAnalog(512);
    board.SetReply(GetParam().mode, GetParam().lateMs);
    ASSERT_TRUE(link.WritePort(link.Put("a")));
    EXPECT_TRUE(link.ReadPort(4));
    EXPECT_EQ(link.m_dwTransferred, GetParam().transferred);
    EXPECT_EQ(link.ReplyText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Modes, LinkReplies,
                         ::testing::Values(ReplyCase{sim::Reply::Normal, 0, "0512", 4},
                                           ReplyCase{sim::Reply::Late, 100, "0512", 4},
                                           ReplyCase{sim::Reply::Short, 0, "05", 2},
                                           ReplyCase{sim::Reply::ZeroByte, 0, "05", 4},
                                           ReplyCase{sim::Reply::Never, 0, "", 0}));

TEST_F(LinkFixture, BytesBeyondTheCountWaitForTheNextRead) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    board.SetReply(sim::Reply::Extra);
    ASSERT_TRUE(link.WritePort(link.Put("a")));
    ASSERT_TRUE(link.ReadPort(4));
    EXPECT_EQ(link.ReplyText(), "0512");
    ASSERT_TRUE(link.ReadPort(4));
    EXPECT_EQ(link.ReplyText(), "XY");
}

TEST_F(LinkFixture, DiscardDropsWhatCameUnasked) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    board.Inject("late reply and garbage");
    std::this_thread::sleep_for(50ms);
    link.DiscardInput();
    ASSERT_TRUE(link.WritePort(link.Put("a")));
    ASSERT_TRUE(link.ReadPort(32));
    EXPECT_EQ(link.ReplyText(), "0512");
}

TEST_F(LinkFixture, CloseGivesThePortBackTheSettingsItHad) {
    // The port as a terminal would leave it: canonical, echoing, 9600 baud.
    const int fd = ::open(board.Path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios before{};
    ASSERT_EQ(tcgetattr(fd, &before), 0);
    before.c_lflag |= ICANON | ECHO;
    before.c_iflag |= ICRNL;
    cfsetispeed(&before, B9600);
    cfsetospeed(&before, B9600);
    ASSERT_EQ(tcsetattr(fd, TCSANOW, &before), 0);
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    termios during{};
    ASSERT_EQ(tcgetattr(fd, &during), 0);
    EXPECT_EQ(during.c_lflag & ICANON, 0u);
    link.ClosePort();
    termios after{};
    ASSERT_EQ(tcgetattr(fd, &after), 0);
    EXPECT_EQ(cfgetospeed(&after), B9600);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO), before.c_lflag & (ICANON | ECHO));
    EXPECT_EQ(after.c_iflag & ICRNL, static_cast<tcflag_t>(ICRNL));
    ::close(fd);
}

TEST_F(LinkFixture, ASilentBoardHoldsAReadOnlyForTheBound) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    board.SetReply(sim::Reply::Never);
    ASSERT_TRUE(link.WritePort(link.Put("a")));
    std::memcpy(link.m_szBuffer, "old", 4);
    const auto start = Clock::now();
    EXPECT_TRUE(link.ReadPort(4));
    const auto held = Clock::now() - start;
    EXPECT_GE(held, std::chrono::milliseconds(port::kReadBoundMs - 10));
    EXPECT_LT(held, std::chrono::milliseconds(3 * port::kReadBoundMs));
    EXPECT_EQ(link.ReplyText(), "");  // a read of no byte is the empty text
    link.WatchPort();
    EXPECT_FALSE(link.m_bPortGone);  // silent is not gone
}

TEST_F(LinkFixture, AWriteOrReadIsWhatTellsTheBoardHasGone) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    board.Vanish();
    EXPECT_FALSE(link.WritePort(link.Put("a")));
    EXPECT_TRUE(link.m_bPortGone);
    link.m_bPortGone = false;
    EXPECT_FALSE(link.ReadPort(4));
    EXPECT_TRUE(link.m_bPortGone);
}

TEST_F(LinkFixture, TemperatureReplyKeepsItsDegreeSign) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    board.SetTemperature(-4.25);
    ASSERT_TRUE(link.WritePort(link.Put("T")));
    ASSERT_TRUE(link.WritePort(link.Put("t")));
    ASSERT_TRUE(link.ReadPort(9));
    EXPECT_EQ(link.m_dwTransferred, 9u);
    EXPECT_EQ(link.ReplyText(), " -4.2°C");
}

TEST_F(LinkFixture, AVanishedBoardFailsWritesAndReadsButCloseStillWorks) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    board.Vanish();
    link.WatchPort();  // seen without moving a byte
    EXPECT_TRUE(link.m_bPortGone);
    EXPECT_FALSE(link.WritePort(link.Put("a")));
    EXPECT_EQ(link.m_bResult, 0);
    EXPECT_FALSE(link.ReadPort(4));
    EXPECT_FALSE(link.ProbePort());
    link.ClosePort();
    EXPECT_EQ(link.m_hComm, port::kNoPort);
}

TEST_F(LinkFixture, ProbeFindsAnOpenPortAndNoneAfterClose) {
    EXPECT_FALSE(link.ProbePort());
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    EXPECT_TRUE(link.ProbePort());
    EXPECT_EQ(link.m_bResult, 1);
    link.ClosePort();
    EXPECT_FALSE(link.ProbePort());
    EXPECT_EQ(link.m_bResult, 0);
    EXPECT_FALSE(link.WritePort(link.Put("a")));
}

TEST_F(LinkFixture, APortIsOpenedByOneLinkAtATime) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    TestLink second;
    EXPECT_FALSE(second.OpenAndConfigure(board.Path()));
    link.ClosePort();
    EXPECT_TRUE(second.OpenAndConfigure(board.Path()));  // free again after close
    second.ClosePort();
}

// Runs `body` in a child process; its exit code.
template <class F>
int InChild(F body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(LinkFixture, AnotherProgramCannotOpenThePortWeHold) {
    ASSERT_TRUE(link.OpenAndConfigure(board.Path()));
    const std::string path = board.Path();
    EXPECT_EQ(InChild([&] { return port::Open(path.c_str()) == port::kNoPort ? 0 : 1; }), 0);
}

TEST_F(LinkFixture, WeCannotOpenThePortAnotherProgramHolds) {
    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const std::string path = board.Path();
    const pid_t pid = fork();
    if (pid == 0) {
        const port::Handle h = port::Open(path.c_str());
        char c = h != port::kNoPort ? 'y' : 'n';
        (void)!write(ready[1], &c, 1);
        (void)!read(release[0], &c, 1);
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    link.m_pszPortName = path.c_str();
    EXPECT_FALSE(link.OpenPort());
    (void)!write(release[1], "x", 1);
    waitpid(pid, nullptr, 0);
    EXPECT_TRUE(link.OpenPort());  // the other program's exit freed it
    for (int fd : {ready[0], ready[1], release[0], release[1]}) close(fd);
}

}  // namespace
