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
//   panel_probe windows    the panel's, the trend window's and the traffic
//                          window's places, and the work area of the
//                          panel's monitor: "work<TAB>x,y,width,height",
//                          then "panel<TAB>x,y,width,height<TAB>dpi" and
//                          the same for "trend" and "traffic" when open
//                          (the windows the panel owns); frames included
//   panel_probe click ID   clicks the panel's button ID (BM_CLICK), for a
//                          button the trend window may cover on the screen
//   panel_probe trend      the same lines for the trend window "Andamento"
//   panel_probe traffic    the same lines for the traffic window "Traffico";
//                          "traffic click ID" clicks its button ID, and
//   panel_probe traffic lines  its list's lines, one each (LB_GETTEXT)
//   panel_probe ink ID     "text<TAB>ink<TAB>overhang" of control ID's text
//                          drawn here, unclipped, in the font DS_SHELLFONT
//                          gives dialogs: the pixels from its first inked
//                          column to its last, and how many of them lie
//                          past the end of its advance
// Exits 1 when no such window is shown. It reads pixels, as the panel's DPI
// makes them, not a DPI-unaware process's scaled copy.
#include "app/win32/win32_dpi.h"
#include "app/win32/win32_text.h"
#include "res/resource.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

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
    for (const auto& [name, title] : {std::pair{"trend", L"Andamento"}, std::pair{"traffic", L"Traffico"}})
        for (HWND w = ::FindWindowW(L"#32770", title); w != nullptr;
             w = ::FindWindowExW(nullptr, w, L"#32770", title)) {
            if (::GetWindow(w, GW_OWNER) != panel || ::IsWindowVisible(w) == FALSE) continue;
            ::GetWindowRect(w, &r);
            std::printf("%s\t%s\t%u\n", name, Place(r).c_str(), WindowDpi(w));
        }
}

// A list box's lines, read across processes as the system carries LB_GETTEXT.
void PrintLines(HWND list) {
    DWORD_PTR count = 0;
    ::SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count);
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        ::SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_ABORTIFHUNG, 2000, &length);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        DWORD_PTR got = 0;
        ::SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                              &got);
        text.resize(std::min(static_cast<std::size_t>(got), text.size()));
        std::printf("%s\n", Utf8(text).c_str());
    }
}

// The ink of `text` drawn black on white, unclipped, in the dialogs' font.
void PrintInk(const std::wstring& text) {
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HFONT font = ::CreateFontW(-::MulDiv(8, ::GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                                     FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg 2");
    const HGDIOBJ oldFont = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    constexpr int kMargin = 16;  // room for overhangs on both sides
    const int width = size.cx + 2 * kMargin, height = size.cy;
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    const RECT all{0, 0, width, height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    ::TextOutW(dc, kMargin, 0, text.c_str(), static_cast<int>(text.size()));
    int first = -1, last = -1;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (::GetPixel(dc, x, y) != RGB(0xFF, 0xFF, 0xFF)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    std::printf("%s\t%d\t%d\n", Utf8(text).c_str(), first < 0 ? 0 : last - first + 1,
                last < 0 ? 0 : std::max(0, last + 1 - (kMargin + static_cast<int>(size.cx))));
    ::SelectObject(dc, oldBitmap);
    ::SelectObject(dc, oldFont);
    ::DeleteObject(bitmap);
    ::DeleteObject(font);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
}

}  // namespace

int main(int argc, char** argv) {
    DeclareDpiAwareness();
    // The window asked about: the panel unless the first word names another.
    const wchar_t* title = L"Velmora";
    for (const auto& [word, owned] : {std::pair{"trend", L"Andamento"}, std::pair{"traffic", L"Traffico"}})
        if (argc > 1 && std::strcmp(argv[1], word) == 0) {
            title = owned;
            --argc;
            ++argv;
        }
    const HWND panel = ::FindWindowW(L"#32770", title);
    if (panel == nullptr) {
        std::fprintf(stderr, "no window %s\n", Utf8(title).c_str());
        return 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "lines") == 0) {
        PrintLines(::GetDlgItem(panel, IDC_TRAFFIC_LIST));
        return 0;
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
    if (argc > 2 && std::strcmp(argv[1], "ink") == 0) {
        PrintInk(AskText(::GetDlgItem(panel, std::atoi(argv[2]))));
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
