// A window moved to a monitor of another DPI: Windows sends WM_DPICHANGED
// with the rectangle the window should take there. Wine gives every
// monitor one DPI and never sends it, so the test does, to the trend
// window as velmora.exe opens it beside a panel.
#include "app/win32/win32_trend_window.h"
#include "res/resource.h"

#include <functional>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

INT_PTR CALLBACK Quiet(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

TEST(DpiChange, TheTrendWindowTakesTheRectangleWindowsSuggests) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const HWND panel = ::CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PANEL), nullptr, Quiet, 0);
    ASSERT_NE(panel, nullptr);
    TrendSeries series;
    // Its file chooser is not opened here: a modal run is the run itself.
    Win32TrendWindow trend(instance, "dialog_tests", [](const std::function<void()>& run) { run(); });
    trend.Show(panel, series);
    const HWND window = ::FindWindowW(L"#32770", L"Andamento");
    ASSERT_NE(window, nullptr);
    RECT before{};
    ::GetWindowRect(window, &before);
    // Twice the size, as from 96 to 192 DPI, a little further on.
    RECT suggested{before.left + 30, before.top + 20, before.left + 30 + 2 * (before.right - before.left),
                   before.top + 20 + 2 * (before.bottom - before.top)};
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT after{};
    ::GetWindowRect(window, &after);
    EXPECT_EQ(after.left, suggested.left);
    EXPECT_EQ(after.top, suggested.top);
    EXPECT_EQ(after.right, suggested.right);
    EXPECT_EQ(after.bottom, suggested.bottom);
    ::DestroyWindow(panel);
}

}  // namespace
