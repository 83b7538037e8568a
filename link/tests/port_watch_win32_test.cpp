// The port watch on Windows: which of the messages a window forwards tell
// of a port that came or went.
#include "link/port_watch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

namespace {

TEST(Win32PortWatch, HasNoDescriptorTheWindowForwardsItsMessages) {
    port::PortWatch watch;
    EXPECT_EQ(watch.Fd(), -1);
    EXPECT_FALSE(watch.Changed());  // nothing forwarded: nothing changed

    struct Case {
        const char* what;
        port::DeviceNotice notice;
        bool changed;
    };
    const Case cases[] = {
        {"a port arrived", {WM_DEVICECHANGE, DBT_DEVICEARRIVAL}, true},
        {"a port was removed", {WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE}, true},
        {"a removal asked for", {WM_DEVICECHANGE, DBT_DEVICEQUERYREMOVE}, false},
        {"a removal pending", {WM_DEVICECHANGE, DBT_DEVICEREMOVEPENDING}, false},
        {"the device tree changed", {WM_DEVICECHANGE, DBT_DEVNODES_CHANGED}, false},
        {"another message with an arrival's word", {WM_TIMER, DBT_DEVICEARRIVAL}, false},
        {"another message with a removal's word", {WM_COMMAND, DBT_DEVICEREMOVECOMPLETE}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(watch.Changed(c.notice), c.changed) << c.what;
}

}  // namespace
