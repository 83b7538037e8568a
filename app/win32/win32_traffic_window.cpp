#include "app/win32/win32_traffic_window.h"

#include "app/win32/win32_dialog_keys.h"
#include "app/win32/win32_dpi.h"
#include "app/win32/win32_placement.h"
#include "app/win32/win32_save_file.h"
#include "app/win32/win32_text.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

// Posted once per burst of new lines; private to the window's class.
constexpr UINT kLinesAdded = WM_APP + 1;
// Posted on a change of DPI: the dialog manager gives every control the
// dialog's rescaled font as it goes on, so the list's own comes after it.
constexpr UINT kListFontAgain = WM_APP + 2;

std::wstring CrLf(std::string_view lines) {
    std::string out;
    out.reserve(lines.size() + lines.size() / 32);
    for (const char c : lines) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return Wide(out);
}

bool PutOnClipboard(HWND owner, const std::wstring& text) {
    if (::OpenClipboard(owner) == FALSE) return false;
    ::EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool done = false;
    if (memory != nullptr) {
        std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
        ::GlobalUnlock(memory);
        done = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!done) ::GlobalFree(memory);
    }
    ::CloseClipboard();
    return done;
}

}  // namespace

Win32TrafficWindow::Win32TrafficWindow(HINSTANCE instance, std::string programName, RunModal runModal)
    : m_instance(instance), m_programName(std::move(programName)), m_runModal(std::move(runModal)) {}

Win32TrafficWindow::~Win32TrafficWindow() {
    if (m_hwnd != nullptr) ::DestroyWindow(m_hwnd);
}

HWND Win32TrafficWindow::List() const { return ::GetDlgItem(m_hwnd, IDC_TRAFFIC_LIST); }

void Win32TrafficWindow::Show(HWND owner, TrafficLog& log) {
    if (m_hwnd == nullptr) {
        m_log = &log;
        m_shownFirst = m_shownEnd = 0;
        m_widest = 0;
        ::CreateDialogParamW(m_instance, MAKEINTRESOURCEW(IDD_TRAFFIC), owner,
                             ObjectDialogProc<Win32TrafficWindow>,
                             reinterpret_cast<LPARAM>(this));
        if (m_hwnd == nullptr) return;
        m_log->OnAdded([this] {
            if (m_posted || m_hwnd == nullptr) return;
            m_posted = ::PostMessageW(m_hwnd, kLinesAdded, 0, 0) != FALSE;
        });
        Follow();
        PlaceBesidePanel(m_hwnd, owner);
        ::ShowWindow(m_hwnd, SW_SHOWNORMAL);
    }
    ::SetForegroundWindow(m_hwnd);
    ::BringWindowToTop(m_hwnd);
}

INT_PTR Win32TrafficWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SetListFont(WindowDpi(m_hwnd));
        ::SetDlgItemTextW(m_hwnd, IDC_TRAFFIC_PAUSE, Wide(m_log->PauseButtonText()).c_str());
        KeepDialogKeys(m_hwnd);
        return TRUE;
    case kLinesAdded:
        m_posted = false;
        Follow();
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_TRAFFIC_PAUSE: TogglePause(); return TRUE;
        case IDC_TRAFFIC_CLEAR: Clear(); return TRUE;
        case IDC_TRAFFIC_COPY: Copy(); return TRUE;
        case IDC_TRAFFIC_SAVE: m_runModal([this] { SaveAs(); }); return TRUE;
        case IDCANCEL: ::DestroyWindow(m_hwnd); return TRUE;
        default: return FALSE;
        }
    case WM_CLOSE: ::DestroyWindow(m_hwnd); return TRUE;
    case WM_DPICHANGED:
        FollowDpiChange(m_hwnd, lParam);
        ::PostMessageW(m_hwnd, kListFontAgain, LOWORD(wParam), 0);
        return FALSE;
    case kListFontAgain:
        SetListFont(static_cast<UINT>(wParam));
        return TRUE;
    case WM_NCDESTROY:
        DropDialogKeys(m_hwnd);
        m_log->OnAdded(nullptr);
        if (m_font != nullptr) ::DeleteObject(m_font);
        m_font = nullptr;
        m_posted = false;
        m_hwnd = nullptr;
        return FALSE;
    default: return FALSE;
    }
}

void Win32TrafficWindow::SetListFont(UINT dpi) {
    // The dialog's point size in a fixed-pitch face: the times, bytes and
    // hex of one line under those of the next.
    LOGFONTW face{};
    face.lfHeight = -::MulDiv(res::TrafficTemplate().pointSize, static_cast<int>(dpi), 72);
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::wcscpy(face.lfFaceName, L"Courier New");
    const HFONT font = ::CreateFontIndirectW(&face);
    if (font == nullptr) return;
    ::SendMessageW(List(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (m_font != nullptr) ::DeleteObject(m_font);
    m_font = font;
    SetScrollWidth();
}

void Win32TrafficWindow::SetScrollWidth() {
    // The horizontal scroll bar reaches the longest line's end.
    const HWND list = List();
    const HDC dc = ::GetDC(list);
    const HGDIOBJ old = ::SelectObject(dc, m_font);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    ::SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(m_widest + 1) * tm.tmAveCharWidth, 0);
}

void Win32TrafficWindow::Follow() {
    if (m_hwnd == nullptr) return;
    const HWND list = List();
    const TrafficLog::Update update = m_log->UpdateFrom(m_shownFirst, m_shownEnd);
    const auto count = static_cast<std::size_t>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    const auto top = static_cast<std::size_t>(::SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    RECT client{};
    ::GetClientRect(list, &client);
    const auto rowHeight = std::max<LRESULT>(1, ::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const auto rows = static_cast<std::size_t>(std::max<LRESULT>(1, (client.bottom - client.top) / rowHeight));
    // Following the end when its last line is in view (or there is none);
    // scrolled up, the user's lines stay where they are.
    const bool following = top + rows >= count;
    const std::size_t drop = update.reset ? count : std::min(update.dropFront, count);
    const bool nothingNew = drop == 0 && update.appendFrom >= m_log->Size();
    m_shownFirst = m_log->FirstNumber();
    m_shownEnd = m_log->EndNumber();
    if (nothingNew) return;

    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    if (update.reset) {
        ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
        m_widest = 0;
    } else {
        for (std::size_t i = 0; i < drop; ++i) ::SendMessageW(list, LB_DELETESTRING, 0, 0);
    }
    const std::size_t adding = m_log->Size() - std::min(update.appendFrom, m_log->Size());
    if (adding > 64) ::SendMessageW(list, LB_INITSTORAGE, adding, adding * 96 * sizeof(wchar_t));
    for (std::size_t i = update.appendFrom; i < m_log->Size(); ++i) {
        const std::wstring line = Wide(m_log->Line(i));
        m_widest = std::max(m_widest, line.size());
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }

    SetScrollWidth();

    const auto now = static_cast<std::size_t>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    const std::size_t keep = update.reset ? 0 : top - std::min(top, drop);
    ::SendMessageW(list, LB_SETTOPINDEX, following ? (now > rows ? now - rows : 0) : keep, 0);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

void Win32TrafficWindow::TogglePause() {
    m_log->SetPaused(!m_log->Paused());
    ::SetDlgItemTextW(m_hwnd, IDC_TRAFFIC_PAUSE, Wide(m_log->PauseButtonText()).c_str());
}

void Win32TrafficWindow::Clear() {
    m_log->Clear();
    Follow();
}

void Win32TrafficWindow::Copy() {
    Follow();  // the list's rows are the log's lines, index for index
    const HWND list = List();
    const auto selected = ::SendMessageW(list, LB_GETSELCOUNT, 0, 0);
    if (selected <= 0) return;
    std::vector<int> rows(static_cast<std::size_t>(selected));
    const auto got = ::SendMessageW(list, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    rows.resize(static_cast<std::size_t>(std::max<LRESULT>(0, got)));
    const std::vector<std::size_t> indexes(rows.begin(), rows.end());
    PutOnClipboard(m_hwnd, CrLf(m_log->Text(indexes)));
}

void Win32TrafficWindow::SaveAs() {
    SaveWithChooser(m_hwnd, m_programName, {"Salva traffico", TrafficLog::kSaveName, "Testo", "txt"},
                    [this](const std::filesystem::path& path) { return m_log->Save(path); });
}
