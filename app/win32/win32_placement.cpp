#include "app/win32/win32_placement.h"

#include "app/win32/win32_dpi.h"
#include "panel/window_placement.h"

void PlaceBesidePanel(HWND window, HWND panel) {
    // Twice: on the panel's monitor the window may take another DPI, and
    // with it another size.
    for (int pass = 0; pass < 2; ++pass) {
        RECT owner{}, self{};
        ::GetWindowRect(panel, &owner);
        ::GetWindowRect(window, &self);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoW(::MonitorFromWindow(panel, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& work = monitor.rcWork;
        const ScreenPoint at = PlaceBeside(
            {work.left, work.top, work.right - work.left, work.bottom - work.top},
            {owner.left, owner.top, owner.right - owner.left, owner.bottom - owner.top}, self.right - self.left,
            self.bottom - self.top, ScaleForDpi(8, WindowDpi(panel)));
        ::SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
