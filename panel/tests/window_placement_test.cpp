// Where the trend window opens beside the panel. The sizes are those of the
// panel and the trend window as Windows builds them from their templates
// (with their frames): 648 x 430 and 626 x 448 at 96 DPI, twice that at
// 192, and the panel opens centred on the work area.
#include "panel/window_placement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace {

struct Size {
    int w, h;
};
constexpr Size kPanel96{648, 430}, kTrend96{626, 448};
constexpr Size kPanel192{1296, 860}, kTrend192{1252, 896};

ScreenRect Centred(const ScreenRect& work, Size s) {
    return {work.x + (work.w - s.w) / 2, work.y + (work.h - s.h) / 2, s.w, s.h};
}

TEST(WindowPlacement, BesideWhereItFitsElseAboveOrBelowElseCoveringTheLeast) {
    struct Case {
        const char* what;
        ScreenRect work, panel;
        Size window;
        int gap;
        ScreenPoint want;
    };
    const ScreenRect w1024{0, 0, 1024, 768}, w1280{0, 0, 1280, 800}, w1920{0, 0, 1920, 1080};
    const Case cases[] = {
        // No side has room: the corner on the right, which covers a corner of the panel.
        {"1024x768", w1024, Centred(w1024, kPanel96), kTrend96, 8, {398, 0}},
        {"1280x800", w1280, Centred(w1280, kPanel96), kTrend96, 8, {654, 0}},
        {"1280x800, task bar below", {0, 0, 1280, 760}, Centred({0, 0, 1280, 760}, kPanel96), kTrend96, 8,
         {654, 0}},
        {"1920x1080", w1920, Centred(w1920, kPanel96), kTrend96, 8, {1292, 325}},
        {"1920x1080 at 192 DPI", w1920, Centred(w1920, kPanel192), kTrend192, 16, {668, 0}},
        {"2560x1440", {0, 0, 2560, 1440}, Centred({0, 0, 2560, 1440}, kPanel96), kTrend96, 8, {1612, 505}},
        // The panel moved: to the right edge (left of it), into a corner
        // (beside it, moved up into the work area).
        {"panel at the right edge", {0, 0, 1280, 1024}, {640, 100, 648, 430}, kTrend96, 8, {6, 100}},
        {"panel at the bottom", w1920, {100, 700, 648, 430}, kTrend96, 8, {756, 632}},
        // A portrait screen: above the panel, or below it when it sits at the top.
        {"portrait", {0, 0, 1080, 1920}, Centred({0, 0, 1080, 1920}, kPanel96), kTrend96, 8, {216, 289}},
        {"portrait, panel at the top", {0, 0, 1080, 1920}, {216, 0, 648, 430}, kTrend96, 8, {216, 438}},
        // More room on the left: the window covers the panel from there.
        {"more room on the left", w1280, {500, 185, 648, 430}, kTrend96, 8, {0, 0}},
        // A second monitor, right of the first and left of it.
        {"second monitor", {1920, 0, 1920, 1040}, {2556, 305, 648, 430}, kTrend96, 8, {3212, 305}},
        {"monitor left of the first", {-1280, 0, 1280, 1024}, {-1000, 300, 648, 430}, kTrend96, 8, {-626, 0}},
        // Larger than the work area: its top-left corner stays inside.
        {"larger than the work area", {0, 0, 800, 600}, {100, 100, 500, 300}, {1000, 700}, 8, {0, 0}},
        {"larger, on a monitor at an offset", {-800, 40, 800, 600}, {-700, 100, 500, 300}, {1000, 700}, 8,
         {-800, 40}},
    };
    for (const Case& c : cases) {
        const ScreenPoint at = PlaceBeside(c.work, c.panel, c.window.w, c.window.h, c.gap);
        EXPECT_EQ(at.x, c.want.x) << c.what;
        EXPECT_EQ(at.y, c.want.y) << c.what;
    }
}

// Wherever the panel stands, even partly off the work area, the window
// lies inside it, and beside the panel clear of it whenever that fits.
TEST(WindowPlacement, NeverOutsideTheWorkAreaAndClearOfThePanelWhenASideHasRoom) {
    const ScreenRect work{-200, 30, 1920, 1050};
    const Size window = kTrend96;
    for (int px = work.x - 600; px <= work.Right(); px += 37)
        for (int py = work.y - 400; py <= work.Bottom(); py += 41) {
            const ScreenRect panel{px, py, kPanel96.w, kPanel96.h};
            const ScreenPoint at = PlaceBeside(work, panel, window.w, window.h, 8);
            SCOPED_TRACE(testing::Message() << "panel at " << px << "," << py);
            ASSERT_GE(at.x, work.x);
            ASSERT_GE(at.y, work.y);
            ASSERT_LE(at.x + window.w, work.Right());
            ASSERT_LE(at.y + window.h, work.Bottom());
            const bool sideRoom = work.Right() - panel.Right() >= window.w + 8 || panel.x - work.x >= window.w + 8;
            const bool clear = at.x >= panel.Right() || at.x + window.w <= panel.x || at.y >= panel.Bottom() ||
                               at.y + window.h <= panel.y;
            ASSERT_TRUE(clear || !sideRoom) << "covers the panel though a side has room";
        }
}

}  // namespace
