// The log behind the "Traffico" window: its bound, its pause, what a list
// showing part of it must drop and add, and the text it copies and saves.
#include "panel/traffic_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Feeds the log discards of "<n>" so each line says which event it was.
struct Fed : ::testing::Test {
    TrafficLog log;
    int fed = 0;
    void Feed(int count) {
        for (int i = 0; i < count; ++i) {
            const std::string bytes = std::to_string(++fed);
            log.OnLinkEvent({.kind = LinkEventKind::Discarded,
                             .time = std::chrono::steady_clock::now(),
                             .bytes = {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}});
        }
    }
    static bool Says(const std::string& line, int n) {
        return line.find("\"" + std::to_string(n) + "\"") != std::string::npos;
    }
};

TEST_F(Fed, KeepsTheLastTenThousandLinesTheOldestGoingFirst) {
    int added = 0;
    log.OnAdded([&] { ++added; });
    Feed(10005);
    EXPECT_EQ(added, 10005);
    ASSERT_EQ(log.Size(), TrafficLog::kKeptLines);
    EXPECT_TRUE(Says(log.Line(0), 6)) << log.Line(0);
    EXPECT_TRUE(Says(log.Line(log.Size() - 1), 10005));
    EXPECT_EQ(log.FirstNumber(), 5u);
    EXPECT_EQ(log.EndNumber(), 10005u);
}

TEST_F(Fed, PausedItAddsNothingAndKeepsWhatItHolds) {
    Feed(3);
    log.SetPaused(true);
    EXPECT_EQ(log.PauseButtonText(), "&Riprendi");
    Feed(2);
    EXPECT_EQ(log.Size(), 3u);
    log.SetPaused(false);
    EXPECT_EQ(log.PauseButtonText(), "&Pausa");
    Feed(1);
    ASSERT_EQ(log.Size(), 4u);
    EXPECT_TRUE(Says(log.Line(3), 6));
}

TEST_F(Fed, ClearedItStartsEmptyAndNumbersGoOn) {
    Feed(4);
    log.Clear();
    EXPECT_EQ(log.Size(), 0u);
    Feed(1);
    EXPECT_EQ(log.FirstNumber(), 4u);
    EXPECT_EQ(log.EndNumber(), 5u);
}

// A list showing lines [first, end) of the log's numbering.
struct Shown {
    const char* name;
    std::uint64_t first, end;
    TrafficLog::Update expected;
};

TEST_F(Fed, TellsAListWhatToDropAndWhatToAdd) {
    Feed(10005);  // the log holds 5..10004
    const Shown cases[] = {
        {"new list", 0, 0, {.reset = true}},
        {"in step", 5, 10005, {.dropFront = 0, .appendFrom = 10000}},
        {"two behind", 3, 10003, {.dropFront = 2, .appendFrom = 9998}},
        {"all dropped since", 0, 4, {.reset = true}},
        {"shows lines cleared", 5, 10006, {.reset = true}},
    };
    for (const Shown& c : cases) {
        const TrafficLog::Update u = log.UpdateFrom(c.first, c.end);
        EXPECT_EQ(u.reset, c.expected.reset) << c.name;
        EXPECT_EQ(u.dropFront, c.expected.dropFront) << c.name;
        EXPECT_EQ(u.appendFrom, c.expected.appendFrom) << c.name;
    }
}

TEST_F(Fed, CopiesTheChosenLinesAndSavesAllAsUtf8) {
    Feed(3);
    const std::size_t chosen[] = {0, 2};
    EXPECT_EQ(log.Text(chosen), log.Line(0) + "\n" + log.Line(2) + "\n");

    // A failed open's line holds an accented letter: saved as UTF-8.
    log.OnLinkEvent({.kind = LinkEventKind::OpenFailed,
                     .time = std::chrono::steady_clock::now(),
                     .step = LinkStep::Open,
                     .openError = port::OpenError::NotSerial});
    const auto path = std::filesystem::temp_directory_path() / "velmora-traffic-test.txt";
    ASSERT_FALSE(log.Save(path));
    std::string saved;
    {
        std::ifstream in(path, std::ios::binary);  // closed before the remove, which Windows needs
        saved.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::remove(path);
    EXPECT_EQ(saved, log.Line(0) + "\n" + log.Line(1) + "\n" + log.Line(2) + "\n" + log.Line(3) + "\n");
    EXPECT_NE(saved.find("non \xC3\xA8 una porta seriale"), std::string::npos) << saved;
}

TEST_F(Fed, AFolderIsNoFileToSaveTo) {
    Feed(1);
    EXPECT_EQ(log.Save(std::filesystem::temp_directory_path()), std::make_error_code(std::errc::is_a_directory));
}

}  // namespace
