// The traffic window as velmora.exe opens it beside a panel, over a log fed
// with made-up link events: the list follows the log, one update per burst,
// within the log's bound; the view stays where the user scrolled; and the
// buttons, pressed as a user would (BM_CLICK), carry out their orders.
#include "app/win32/win32_dpi.h"
#include "app/win32/win32_text.h"
#include "app/win32/win32_traffic_window.h"
#include "panel/window_placement.h"
#include "res/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

INT_PTR CALLBACK Quiet(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

// Event `n`: five digits dropped before a request, so its line shows "0000n".
void Feed(TrafficLog& log, int from, int to) {
    for (int n = from; n <= to; ++n) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%05d", n);
        LinkEvent event;
        event.kind = LinkEventKind::Discarded;
        event.time = std::chrono::steady_clock::now();
        event.bytes = std::span(reinterpret_cast<const unsigned char*>(digits), 5);
        event.asked = event.moved = 5;
        log.OnLinkEvent(event);
    }
}

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

std::wstring Row(HWND list, int i) {
    std::wstring text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

int Rows(HWND list) { return static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0)); }

// The last row is in view.
bool AtEnd(HWND list) {
    RECT client{};
    ::GetClientRect(list, &client);
    const auto rowHeight = ::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    const auto top = ::SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    return top + (client.bottom - client.top) / rowHeight >= Rows(list) - 1;
}

void Press(HWND window, int id) { ::SendMessageW(::GetDlgItem(window, id), BM_CLICK, 0, 0); }

std::wstring Text(HWND window, int id) { return WindowText(::GetDlgItem(window, id)); }

class TrafficWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel = ::CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PANEL), nullptr, Quiet, 0);
        ASSERT_NE(panel, nullptr);
        ::ShowWindow(panel, SW_SHOW);
    }
    void TearDown() override { ::DestroyWindow(panel); }

    // Opens the window (or brings it forward) and lets it catch up.
    HWND Open() {
        traffic.Show(panel, log);
        Pump();
        window = ::FindWindowW(L"#32770", L"Traffico");
        list = ::GetDlgItem(window, IDC_TRAFFIC_LIST);
        return window;
    }

    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HWND panel = nullptr;
    TrafficLog log;  // before the window, which lets go of it as it closes
    int modalRuns = 0;
    Win32TrafficWindow traffic{instance, "dialog_tests", [this](const std::function<void()>& run) {
                                   ++modalRuns;
                                   run();
                               }};
    HWND window = nullptr;
    HWND list = nullptr;
};

TEST_F(TrafficWindowTest, OpensBesideThePanelOnceAndShowsTheLinesItHas) {
    Feed(log, 1, 3);
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(::GetWindow(window, GW_OWNER), panel);
    // Where the shared rule puts it beside the panel, on the panel's monitor.
    RECT w{}, p{};
    ::GetWindowRect(window, &w);
    ::GetWindowRect(panel, &p);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(panel, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const ScreenPoint want =
        PlaceBeside({work.left, work.top, work.right - work.left, work.bottom - work.top},
                    {p.left, p.top, p.right - p.left, p.bottom - p.top}, w.right - w.left, w.bottom - w.top,
                    ScaleForDpi(8, WindowDpi(panel)));
    EXPECT_EQ((ScreenPoint{w.left, w.top}), want);
    ASSERT_EQ(Rows(list), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Row(list, i), Wide(log.Line(static_cast<std::size_t>(i))));
    EXPECT_NE(Row(list, 0).find(L"\"00001\"  scartati 5 byte  [30 30 30 30 31]"), std::wstring::npos)
        << Utf8(Row(list, 0));
    // Chosen again: the same window, in front.
    Open();
    EXPECT_EQ(::FindWindowExW(nullptr, window, L"#32770", L"Traffico"), nullptr);
    EXPECT_TRUE(traffic.IsOpen());
    // The list's font is fixed-pitch, so the columns line up.
    const HDC dc = ::GetDC(list);
    const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "TMPF_FIXED_PITCH set means variable pitch";
}

// The list's font: fixed-pitch, at `dpi`.
void ExpectListFont(HWND list, UINT dpi) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0));
    LOGFONTW face{};
    ASSERT_NE(::GetObjectW(font, sizeof face, &face), 0);
    EXPECT_EQ(face.lfHeight, -::MulDiv(8, static_cast<int>(dpi), 72));
    EXPECT_EQ(face.lfPitchAndFamily & 3, FIXED_PITCH);
}

TEST_F(TrafficWindowTest, TheListsFontFollowsTheWindowsDpi) {
    Open();
    ExpectListFont(list, WindowDpi(window));
    // Wine never sends it: sent here as Windows does on another monitor.
    RECT now{};
    ::GetWindowRect(window, &now);
    RECT suggested{now.left, now.top, now.left + 2 * (now.right - now.left), now.top + 2 * (now.bottom - now.top)};
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    ExpectListFont(list, 192);
}

TEST_F(TrafficWindowTest, ABurstOfLinesPostsOneUpdateAndTheListFollows) {
    Open();
    Feed(log, 1, 50);
    MSG msg;
    int updates = 0;
    while (::PeekMessageW(&msg, window, WM_APP, WM_APP + 0x3FFF, PM_REMOVE) != FALSE) {
        ++updates;
        ::DispatchMessageW(&msg);
    }
    EXPECT_EQ(updates, 1);
    ASSERT_EQ(Rows(list), 50);
    EXPECT_NE(Row(list, 49).find(L"\"00050\""), std::wstring::npos);
    EXPECT_TRUE(AtEnd(list));
    Feed(log, 51, 60);
    Pump();
    ASSERT_EQ(Rows(list), 60);
    EXPECT_NE(Row(list, 59).find(L"\"00060\""), std::wstring::npos);
    EXPECT_TRUE(AtEnd(list));
}

TEST_F(TrafficWindowTest, KeepsTheLastTenThousandLines) {
    Open();
    Feed(log, 1, 10005);
    Pump();
    ASSERT_EQ(Rows(list), 10000);
    EXPECT_NE(Row(list, 0).find(L"\"00006\""), std::wstring::npos) << Utf8(Row(list, 0));
    EXPECT_NE(Row(list, 9999).find(L"\"10005\""), std::wstring::npos);
    EXPECT_TRUE(AtEnd(list));
    // More lines push the oldest out, a few at a time.
    Feed(log, 10006, 10008);
    Pump();
    ASSERT_EQ(Rows(list), 10000);
    EXPECT_NE(Row(list, 0).find(L"\"00009\""), std::wstring::npos);
    EXPECT_NE(Row(list, 9999).find(L"\"10008\""), std::wstring::npos);
}

TEST_F(TrafficWindowTest, ScrolledUpTheViewStaysOnItsLines) {
    Open();
    Feed(log, 1, 10000);
    Pump();
    ::SendMessageW(list, LB_SETTOPINDEX, 100, 0);
    ASSERT_NE(Row(list, 100).find(L"\"00101\""), std::wstring::npos);
    Feed(log, 10001, 10003);  // three new lines, three old ones dropped
    Pump();
    const auto top = static_cast<int>(::SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_NE(Row(list, top).find(L"\"00101\""), std::wstring::npos) << Utf8(Row(list, top));
    EXPECT_FALSE(AtEnd(list));
    // Back at the end, it follows again.
    ::SendMessageW(list, LB_SETTOPINDEX, Rows(list) - 1, 0);
    Feed(log, 10004, 10004);
    Pump();
    EXPECT_TRUE(AtEnd(list));
}

TEST_F(TrafficWindowTest, AzzeraEmptiesTheLogAndTheList) {
    Open();
    Feed(log, 1, 20);
    Pump();
    Press(window, IDC_TRAFFIC_CLEAR);
    EXPECT_EQ(log.Size(), 0u);
    EXPECT_EQ(Rows(list), 0);
    Feed(log, 21, 21);
    Pump();
    ASSERT_EQ(Rows(list), 1);
    EXPECT_NE(Row(list, 0).find(L"\"00021\""), std::wstring::npos);
}

TEST_F(TrafficWindowTest, PausaStopsAddingAndRiprendiGoesOn) {
    Open();
    Feed(log, 1, 2);
    Pump();
    EXPECT_EQ(Text(window, IDC_TRAFFIC_PAUSE), L"&Pausa");
    Press(window, IDC_TRAFFIC_PAUSE);
    EXPECT_TRUE(log.Paused());
    EXPECT_EQ(Text(window, IDC_TRAFFIC_PAUSE), L"&Riprendi");
    Feed(log, 3, 5);
    Pump();
    EXPECT_EQ(Rows(list), 2);  // what it holds stays
    Press(window, IDC_TRAFFIC_PAUSE);
    EXPECT_FALSE(log.Paused());
    EXPECT_EQ(Text(window, IDC_TRAFFIC_PAUSE), L"&Pausa");
    Feed(log, 6, 6);
    Pump();
    ASSERT_EQ(Rows(list), 3);
    EXPECT_NE(Row(list, 2).find(L"\"00006\""), std::wstring::npos);
}

TEST_F(TrafficWindowTest, CopiaPutsTheSelectedLinesOnTheClipboard) {
    Open();
    Feed(log, 1, 5);
    Pump();
    ::SendMessageW(list, LB_SETSEL, TRUE, 1);
    ::SendMessageW(list, LB_SETSEL, TRUE, 3);
    Press(window, IDC_TRAFFIC_COPY);
    ASSERT_NE(::OpenClipboard(window), FALSE);
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::wstring copied(static_cast<const wchar_t*>(::GlobalLock(data)));
    ::GlobalUnlock(data);
    ::CloseClipboard();
    EXPECT_EQ(copied, Wide(log.Line(1)) + L"\r\n" + Wide(log.Line(3)) + L"\r\n");
}

// The save chooser, found by its title from another thread, as a user sees
// it: the name it offers read, a path typed in, OK pressed.
class Chooser {
public:
    explicit Chooser(std::wstring path)
        : m_path(std::move(path)), m_thread([this] { Answer(); }) {}
    ~Chooser() { m_thread.join(); }
    std::wstring offered;

private:
    void Answer() {
        for (int tries = 0; tries < 200; ++tries, std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
            const HWND box = ::FindWindowW(L"#32770", L"Salva traffico");
            if (box == nullptr || ::IsWindowVisible(box) == FALSE) continue;
            // The name field: an edit in the older dialog, a combo in the newer.
            for (const int id : {0x47C, 0x480}) {
                const HWND field = ::GetDlgItem(box, id);
                if (field == nullptr) continue;
                offered = WindowText(field);
                ::SetWindowTextW(field, m_path.c_str());
                ::PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
        }
    }
    std::wstring m_path;
    std::thread m_thread;
};

TEST_F(TrafficWindowTest, SalvaWritesTheLinesAsUtf8ThroughThePanelsModalRun) {
    Open();
    Feed(log, 1, 3);
    LinkEvent failed;
    failed.kind = LinkEventKind::OpenFailed;
    failed.time = std::chrono::steady_clock::now();
    failed.step = LinkStep::Open;
    failed.openError = port::OpenError::NotSerial;  // "non è una porta seriale": not ASCII
    log.OnLinkEvent(failed);
    Pump();
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"velmora-traffic-test.txt";
    ::DeleteFileW(path.c_str());
    std::wstring offered;
    {
        Chooser chooser(path);
        Press(window, IDC_TRAFFIC_SAVE);
        offered = chooser.offered;
    }
    EXPECT_EQ(modalRuns, 1);
    EXPECT_EQ(offered, L"traffico.txt");
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string want;
    for (std::size_t i = 0; i < log.Size(); ++i) want += log.Line(i) + "\n";
    EXPECT_EQ(bytes, want);
    EXPECT_NE(bytes.find("non \xC3\xA8 una porta seriale"), std::string::npos) << bytes;
    in.close();
    ::DeleteFileW(path.c_str());
}

}  // namespace
