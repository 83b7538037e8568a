// panel_probe.exe: looks at a running velmora.exe's panel from outside, the
// way the window tests need it under Wine.
//   panel_probe            one line per control in tab order:
//                          "id<TAB>enabled<TAB>focused<TAB>text<TAB>pressed<TAB>
//                          x,y,width,height", the text read with WM_GETTEXT,
//                          which the system carries across processes
//                          (GetWindowText would not ask the control), pressed
//                          from BM_GETCHECK (0 for other than buttons), the
//                          place on the screen in pixels
//   panel_probe endsession the end of the session, as the system sends it
//   panel_probe windows    the panel's and the trend window's places, and
//                          the work area of the panel's monitor:
//                          "work<TAB>x,y,width,height", then
//                          "panel<TAB>x,y,width,height<TAB>dpi" and the
//                          same for "trend" when it is open (the window
//                          the panel owns); the frames included
//   panel_probe click ID   clicks the panel's button ID (BM_CLICK), for a
//                          button the trend window may cover on the screen
// Exits 1 when no panel is shown. It reads pixels, as the panel's DPI
// makes them, not a DPI-unaware process's scaled copy.
#include "app/win32/win32_dpi.h"
#include "app/win32/win32_text.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::wstring AskText(HWND w) {
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR got = 0;
    ::SendMessageTimeoutW(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 2000, &got);
    text.resize(static_cast<std::size_t>(got));
    return text;
}

std::string Place(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right - r.left) + "," +
           std::to_string(r.bottom - r.top);
}

void PrintWindows(HWND panel) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(panel, MONITOR_DEFAULTTONEAREST), &monitor);
    std::printf("work\t%s\n", Place(monitor.rcWork).c_str());
    RECT r{};
    ::GetWindowRect(panel, &r);
    std::printf("panel\t%s\t%u\n", Place(r).c_str(), WindowDpi(panel));
    for (HWND w = ::FindWindowW(L"#32770", L"Andamento"); w != nullptr;
         w = ::FindWindowExW(nullptr, w, L"#32770", L"Andamento")) {
        if (::GetWindow(w, GW_OWNER) != panel || ::IsWindowVisible(w) == FALSE) continue;
        ::GetWindowRect(w, &r);
        std::printf("trend\t%s\t%u\n", Place(r).c_str(), WindowDpi(w));
    }
}

}  // namespace

int main(int argc, char** argv) {
    DeclareDpiAwareness();
    const HWND panel = ::FindWindowW(L"#32770", L"Velmora");
    if (panel == nullptr) {
        std::fprintf(stderr, "no panel window\n");
        return 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "endsession") == 0) {
        DWORD_PTR agreed = 0;
        ::SendMessageTimeoutW(panel, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &agreed);
        ::SendMessageTimeoutW(panel, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        return 0;
    }
    if (argc > 2 && std::strcmp(argv[1], "click") == 0) {
        const HWND button = ::GetDlgItem(panel, std::atoi(argv[2]));
        if (button == nullptr) return 1;
        ::SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "windows") == 0) {
        PrintWindows(panel);
        return 0;
    }
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(panel, nullptr), &thread);
    // A dialog's children in z-order are its controls in tab order.
    for (HWND c = ::GetWindow(panel, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
        const HWND focus = thread.hwndFocus;
        const bool focused = focus != nullptr && (focus == c || ::IsChild(c, focus) != FALSE);
        wchar_t kind[16] = {};
        ::GetClassNameW(c, kind, 16);
        DWORD_PTR check = BST_UNCHECKED;
        if (::lstrcmpiW(kind, L"Button") == 0)
            ::SendMessageTimeoutW(c, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &check);
        RECT at{};
        ::GetWindowRect(c, &at);
        std::printf("%d\t%d\t%d\t%s\t%d\t%ld,%ld,%ld,%ld\n", ::GetDlgCtrlID(c),
                    ::IsWindowEnabled(c) != FALSE ? 1 : 0, focused ? 1 : 0, Utf8(AskText(c)).c_str(),
                    check == BST_CHECKED ? 1 : 0, at.left, at.top, at.right - at.left, at.bottom - at.top);
    }
    return 0;
}
