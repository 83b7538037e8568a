#include "app/win32/win32_panel_window.h"

#include "app/win32/win32_text.h"

#include "link/port_discovery.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <commctrl.h>

namespace {

std::wstring WindowText(HWND w) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The About box opens centred on the panel; OK, Enter, Escape and the
// close box end it.
INT_PTR CALLBACK AboutProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: {
        RECT owner{}, box{};
        ::GetWindowRect(::GetWindow(hwnd, GW_OWNER), &owner);
        ::GetWindowRect(hwnd, &box);
        ::SetWindowPos(hwnd, nullptr, (owner.left + owner.right - (box.right - box.left)) / 2,
                       (owner.top + owner.bottom - (box.bottom - box.top)) / 2, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(hwnd, IDOK);
            return TRUE;
        }
        break;
    case WM_CLOSE: ::EndDialog(hwnd, IDOK); return TRUE;
    default: break;
    }
    return FALSE;
}

}  // namespace

Win32PanelWindow::Win32PanelWindow(HINSTANCE instance, std::string programName)
    : m_instance(instance), m_programName(std::move(programName)) {}

int Win32PanelWindow::Run(CPanelDlg& dlg) {
    m_dlg = &dlg;
    const INT_PTR r = ::DialogBoxParamW(m_instance, MAKEINTRESOURCEW(IDD_PANEL), nullptr, DialogProc,
                                        reinterpret_cast<LPARAM>(this));
    m_dlg = nullptr;
    m_hwnd = nullptr;
    return static_cast<int>(r);
}

INT_PTR CALLBACK Win32PanelWindow::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32PanelWindow*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->m_hwnd = hwnd;
    }
    auto* self = reinterpret_cast<Win32PanelWindow*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    return self != nullptr ? self->OnMessage(msg, wParam, lParam) : FALSE;
}

INT_PTR Win32PanelWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        // The template's initial data: the combo lists.
        for (const res::ControlTemplate& c : res::PanelTemplate().controls)
            for (std::string_view entry : c.list)
                ::SendMessageW(Item(c.id), CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(Wide(entry).c_str()));
        // After the template's list, the ports present as the window opens.
        for (const std::string& name : port::PresentPorts())
            ::SendMessageW(Item(IDC_COMBO_PORT), CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(Wide(name).c_str()));
        return m_dlg->OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            return m_dlg->OnEvent({PanelEventKind::Click, LOWORD(wParam)}).handled ? TRUE : FALSE;
        return FALSE;
    case WM_CLOSE:
        m_dlg->OnEvent({PanelEventKind::Click, IDCANCEL});
        return TRUE;
    case WM_SYSCOMMAND:
        return m_dlg->OnEvent({PanelEventKind::SysCommand, static_cast<int>(wParam), lParam}).handled
                   ? TRUE
                   : FALSE;
    case WM_TIMER:
        return m_dlg->OnEvent({PanelEventKind::Timer, static_cast<int>(wParam)}).handled ? TRUE : FALSE;
    case WM_PAINT:
        return m_dlg->OnEvent({PanelEventKind::Paint}).handled ? TRUE : FALSE;
    case WM_QUERYDRAGICON: {
        const EventResult r = m_dlg->OnEvent({PanelEventKind::QueryDragIcon});
        ::SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, r.value);
        return TRUE;
    }
    default: return FALSE;
    }
}

void Win32PanelWindow::EnableControl(int id, bool enable) { ::EnableWindow(Item(id), enable ? TRUE : FALSE); }

std::string Win32PanelWindow::GetText(int id) { return Utf8(WindowText(Item(id))); }

void Win32PanelWindow::SetText(int id, std::string_view text) {
    ::SetWindowTextW(Item(id), Wide(text).c_str());
}

bool Win32PanelWindow::GetCheck(int id) {
    return ::SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32PanelWindow::SetCheck(int id, bool pressed) {
    ::SendMessageW(Item(id), BM_SETCHECK, pressed ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32PanelWindow::LimitText(int id, int chars) {
    ::SendMessageW(Item(id), EM_LIMITTEXT, static_cast<WPARAM>(chars), 0);
}

std::vector<std::string> Win32PanelWindow::GetComboList(int id) {
    std::vector<std::string> list;
    const auto count = ::SendMessageW(Item(id), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring entry(static_cast<std::size_t>(::SendMessageW(Item(id), CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        const auto n = ::SendMessageW(Item(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(static_cast<std::size_t>(n > 0 ? n : 0));
        list.push_back(Utf8(entry));
    }
    return list;
}

void Win32PanelWindow::SelectComboEntry(int id, int index) {
    ::SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32PanelWindow::FocusControl(int id) { ::SetFocus(Item(id)); }

void Win32PanelWindow::ShowMessage(std::string_view text) {
    ::MessageBoxW(m_hwnd, Wide(text).c_str(), Wide(m_programName).c_str(), MB_OK);
}

void Win32PanelWindow::StartTimer(int id, unsigned periodMs) {
    ::SetTimer(m_hwnd, static_cast<UINT_PTR>(id), periodMs, nullptr);
}

void Win32PanelWindow::EndDialog(int result) { ::EndDialog(m_hwnd, result); }

void Win32PanelWindow::AppendSystemMenuSeparator() {
    ::AppendMenuW(::GetSystemMenu(m_hwnd, FALSE), MF_SEPARATOR, 0, nullptr);
}

void Win32PanelWindow::AppendSystemMenuItem(int command, std::string_view text) {
    ::AppendMenuW(::GetSystemMenu(m_hwnd, FALSE), MF_STRING, static_cast<UINT_PTR>(command),
                  Wide(text).c_str());
}

IconHandle Win32PanelWindow::LoadIconResource(int resourceId) {
    return reinterpret_cast<IconHandle>(::LoadIconW(m_instance, MAKEINTRESOURCEW(resourceId)));
}

void Win32PanelWindow::SetIcon(IconHandle icon, bool large) {
    ::SendMessageW(m_hwnd, WM_SETICON, large ? ICON_BIG : ICON_SMALL, icon);
}

int Win32PanelWindow::RunModal(int templateId) {
    return static_cast<int>(
        ::DialogBoxParamW(m_instance, MAKEINTRESOURCEW(templateId), m_hwnd, AboutProc, 0));
}
