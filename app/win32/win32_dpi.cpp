#include "app/win32/win32_dpi.h"

namespace {

// The function `name` of user32.dll, or nullptr on a Windows that lacks it.
template <typename Function>
Function User32(const char* name) {
    // user32 is loaded in every process with a window.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

UINT SystemDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

void DeclareDpiAwareness() {
    using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    if (const auto set = User32<SetContext>("SetProcessDpiAwarenessContext")) {
        if (set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != FALSE) return;
        // Declared already, by the manifest: it stands.
        if (::GetLastError() == ERROR_ACCESS_DENIED) return;
        // Windows 10 before 1703 knows no v2.
    }
    ::SetProcessDPIAware();
}

UINT WindowDpi(HWND window) {
    using ForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = User32<ForWindow>("GetDpiForWindow");
    if (forWindow != nullptr)
        if (const UINT dpi = forWindow(window); dpi != 0) return dpi;
    return SystemDpi();
}

int ScaleForDpi(int pixels, UINT dpi) { return ::MulDiv(pixels, static_cast<int>(dpi), 96); }

int MetricForDpi(int index, UINT dpi) {
    using ForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = User32<ForDpi>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) return forDpi(index, dpi);
    return ::MulDiv(::GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

void FollowDpiChange(HWND window, LPARAM suggested) {
    const RECT& r = *reinterpret_cast<const RECT*>(suggested);
    ::SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
