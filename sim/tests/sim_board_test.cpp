// The simulated board's record of what it receives stays bounded and keeps
// the newest bytes; a late reply never holds the board from ending; the
// CR LF and chatty faults put their bytes where a firmware would.
#include "sim/sim_board.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Writes `bytes` to the board's port as a panel would, in writes of 4 KiB.
void Send(const sim::SimBoard& board, const std::string& bytes) {
    const int fd = ::open(board.Path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    for (std::size_t at = 0; at < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + at, std::min<std::size_t>(4096, bytes.size() - at));
        ASSERT_GT(n, 0);
        at += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

// Bytes that are no command, so the board only records them.
std::string Filler(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < size; ++i) bytes += "0123456789XYZ"[i % 13];
    return bytes;
}

TEST(SimBoardRecord, KeepsOnlyTheNewestBytesOfALongRun) {
    sim::SimBoard board;
    ASSERT_TRUE(board.Ok());
    const std::string sent = Filler(1024 * 1024);
    Send(board, sent);
    ASSERT_TRUE(board.WaitForBytes(sent.size(), 5s));  // counted in all, recorded or not
    const std::string kept = board.Received();
    EXPECT_LE(kept.size(), sim::SimBoard::kKeptBytes);
    EXPECT_GE(kept.size(), sim::SimBoard::kKeptBytes - 4096);  // whole reads of at most 4 KiB
    EXPECT_EQ(kept, sent.substr(sent.size() - kept.size()));
    // The reads kept are the newest, numbered on from the first read.
    const auto chunks = board.Chunks();
    ASSERT_FALSE(chunks.empty());
    EXPECT_GT(chunks.front().number, 0u);
    for (std::size_t i = 1; i < chunks.size(); ++i) EXPECT_EQ(chunks[i].number, chunks[i - 1].number + 1);
    EXPECT_EQ(board.ChunksFrom(chunks.back().number).size(), 1u);
    EXPECT_EQ(board.ChunksFrom(0).size(), chunks.size());
}

TEST(SimBoardRecord, ClearingStartsTheCountsAgain) {
    sim::SimBoard board;
    ASSERT_TRUE(board.Ok());
    Send(board, Filler(200 * 1024));
    ASSERT_TRUE(board.WaitForBytes(200 * 1024, 5s));
    board.ClearReceived();
    EXPECT_EQ(board.Received(), "");
    EXPECT_FALSE(board.WaitForBytes(1, 50ms));
    Send(board, "c");
    ASSERT_TRUE(board.WaitForBytes(1, 2s));
    EXPECT_EQ(board.Received(), "c");
    ASSERT_EQ(board.Chunks().size(), 1u);
    EXPECT_EQ(board.Chunks().front().number, 0u);
}

TEST(SimBoardReply, ALateReplyDoesNotHoldTheBoardFromEnding) {
    auto board = std::make_unique<sim::SimBoard>();
    ASSERT_TRUE(board->Ok());
    board->SetReply(sim::Reply::Late, 60000);
    Send(*board, "a");  // the reply would come a minute later
    std::this_thread::sleep_for(100ms);  // the board is waiting to answer
    const auto start = std::chrono::steady_clock::now();
    board.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

// What the board sends back within `ms` after `bytes`, as a port's reader sees it.
std::string Exchange(const sim::SimBoard& board, const std::string& bytes, int ms = 150) {
    const int fd = ::open(board.Path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(fd, 0);
    if (fd < 0) return "";
    EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    std::string got;
    char buf[256];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) got.append(buf, static_cast<std::size_t>(n));
    ::close(fd);
    return got;
}

TEST(SimBoardReply, FaultsShapeWhatComesBack) {
    const std::string temp = sim::SimBoard::TemperatureReply(23.5);
    struct Case {
        const char* name;
        sim::Reply mode;
        std::string sent, back;
    };
    const Case cases[] = {
        {"normal read", sim::Reply::Normal, "a", "0512"},
        {"normal command", sim::Reply::Normal, "c", ""},
        {"crlf read", sim::Reply::Crlf, "a", "0512\r\n"},
        {"crlf temperature", sim::Reply::Crlf, "Tt", temp + "\r\n"},
        {"crlf command", sim::Reply::Crlf, "LEDb1on", ""},  // no reply, nothing added
        {"chatty read", sim::Reply::Chatty, "a", "0512."},
        {"chatty temperature", sim::Reply::Chatty, "Tt", "." + temp + "."},  // after each of its two writes
        {"chatty command", sim::Reply::Chatty, "PWM1on", "."},
        {"chatty locate", sim::Reply::Chatty, "l!", "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimBoard board;
        ASSERT_TRUE(board.Ok());
        board.SetReply(c.mode);
        EXPECT_EQ(Exchange(board, c.sent), c.back);
    }
}

TEST(SimBoardReply, ASlowBoardAnswersLate) {
    sim::SimBoard board;
    ASSERT_TRUE(board.Ok());
    board.SetReply(sim::Reply::Late, 200);
    EXPECT_EQ(Exchange(board, "a", 80), "");  // not yet
    sim::SimBoard again;
    ASSERT_TRUE(again.Ok());
    again.SetReply(sim::Reply::Late, 200);
    EXPECT_EQ(Exchange(again, "a", 400), "0512");
}

}  // namespace
