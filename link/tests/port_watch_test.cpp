// The inotify watch that tells the window to list the ports again, on a
// device folder of the test's own.
#include "link/port_watch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include <poll.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct WatchedFolder : ::testing::Test {
    fs::path dev = fs::path(::testing::TempDir()) /
                   ("velmora-watch-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override {
        fs::remove_all(dev);
        fs::create_directories(dev);
    }
    void TearDown() override { fs::remove_all(dev); }

    // What the event loop sees: the descriptor readable within a second.
    static bool Readable(const port::PortWatch& watch) {
        pollfd p{watch.Fd(), POLLIN, 0};
        return ::poll(&p, 1, 1000) == 1;
    }
};

TEST_F(WatchedFolder, ASerialNameComingOrGoingWakesTheLoopOtherNamesDoNot) {
    port::PortWatch watch(dev.string());
    ASSERT_GE(watch.Fd(), 0);
    EXPECT_FALSE(watch.Changed());  // nothing pending: returns at once

    struct Step {
        const char* what;
        std::function<void()> act;
        bool changed;
    };
    const std::vector<Step> steps = {
        {"a USB ACM node", [&] { std::ofstream(dev / "ttyACM0"); }, true},
        {"a USB serial node", [&] { std::ofstream(dev / "ttyUSB3"); }, true},
        {"another device", [&] { std::ofstream(dev / "video0"); }, false},
        {"the by-id folders", [&] { fs::create_directories(dev / "serial" / "by-id"); }, true},
        {"a stable name", [&] { fs::create_symlink("../../ttyACM0", dev / "serial/by-id/usb-Board-if00"); }, true},
        {"the stable name goes", [&] { fs::remove(dev / "serial/by-id/usb-Board-if00"); }, true},
        {"the node goes", [&] { fs::remove(dev / "ttyACM0"); }, true},
        {"the by-id folder goes", [&] { fs::remove(dev / "serial/by-id"); }, true},
        {"the other device goes", [&] { fs::remove(dev / "video0"); }, false},
        {"by-id again", [&] { fs::create_directories(dev / "serial" / "by-id"); }, true},
        {"a stable name in the new folder", [&] { std::ofstream(dev / "serial/by-id/usb-Other-if00"); }, true},
    };
    for (const Step& s : steps) {
        s.act();
        if (s.changed) {
            EXPECT_TRUE(Readable(watch)) << s.what;
        }
        EXPECT_EQ(watch.Changed(), s.changed) << s.what;
        EXPECT_FALSE(watch.Changed()) << s.what << ": read twice";
    }
}

TEST(PortWatch, AMissingFolderGivesNoWakeUpsAndNoError) {
    port::PortWatch watch("/nonexistent/velmora-dev");
    EXPECT_FALSE(watch.Changed());
}

}  // namespace
