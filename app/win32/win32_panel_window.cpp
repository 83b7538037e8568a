#include "app/win32/win32_panel_window.h"

#include "app/win32/win32_dpi.h"
#include "app/win32/win32_right_text.h"
#include "app/win32/win32_text.h"
#include "app/win32/win32_toggle_paint.h"

#include "link/port_discovery.h"
#include "res/dialog_templates.h"
#include "res/port_list.h"
#include "res/resource.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>

namespace {

std::wstring ComboEntry(HWND combo, LRESULT index) {
    const auto at = static_cast<WPARAM>(index);
    std::wstring entry(static_cast<std::size_t>(::SendMessageW(combo, CB_GETLBTEXTLEN, at, 0)) + 1, L'\0');
    const auto n = ::SendMessageW(combo, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return entry;
}

// The focus is in `control` or in a part of it (a combo's edit).
bool HoldsFocus(HWND control) {
    const HWND focus = ::GetFocus();
    return focus != nullptr && (focus == control || ::IsChild(control, focus) != FALSE);
}

// The port's tooltip breaks its lines at this width, at 96 DPI.
constexpr int kTipWidth = 600;

// The template's editable combos, whose caret is their edit's.
bool IsCombo(int id) {
    return std::ranges::any_of(res::PanelTemplate().controls, [id](const res::ControlTemplate& c) {
        return c.kind == res::ControlKind::ComboDropDown && c.id == id;
    });
}

// The template's toggles: a push-like check box each.
bool IsToggle(UINT_PTR id) {
    return std::ranges::any_of(res::PanelTemplate().controls, [id](const res::ControlTemplate& c) {
        return c.kind == res::ControlKind::ToggleButton && static_cast<UINT_PTR>(c.id) == id;
    });
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
    : m_instance(instance),
      m_programName(programName),
      m_trend(instance, programName, [this](const std::function<void()>& run) { RunAsPanelModal(run); }),
      m_traffic(instance, programName, [this](const std::function<void()>& run) { RunAsPanelModal(run); }) {}

void Win32PanelWindow::RunAsPanelModal(const std::function<void()>& run) {
    if (m_dlg != nullptr)
        m_dlg->RunModalWindow(run);
    else
        run();
}

int Win32PanelWindow::Run(CPanelDlg& dlg) {
    m_dlg = &dlg;
    // The accessibility service the controls are named through is a COM object.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INT_PTR r = ::DialogBoxParamW(m_instance, MAKEINTRESOURCEW(IDD_PANEL), nullptr,
                                        ObjectDialogProc<Win32PanelWindow>,
                                        reinterpret_cast<LPARAM>(this));
    m_dlg = nullptr;
    m_hwnd = nullptr;
    if (SUCCEEDED(com)) ::CoUninitialize();
    return static_cast<int>(r);
}

INT_PTR Win32PanelWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        // The template's initial data: the combo lists.
        for (const res::ControlTemplate& c : res::PanelTemplate().controls)
            for (std::string_view entry : c.list)
                ::SendMessageW(Item(c.id), CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(Wide(entry).c_str()));
        RefreshPortList();
        NameControls();
        AddPortTip();
        for (const res::ControlTemplate& c : res::PanelTemplate().controls)
            if (c.kind == res::ControlKind::TextRight) KeepLastGlyphWhole(Item(c.id));
        return m_dlg->OnInitDialog() ? TRUE : FALSE;
    case WM_DEVICECHANGE:
        // Windows tells a port's coming and going to windows only: forwarded.
        if (m_portWatch.Changed({msg, wParam})) RefreshPortList();
        return TRUE;
    case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (hdr->code == TTN_GETDISPINFOW) {
            // The tooltip asks for its text each time it shows: the field's whole text.
            auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            m_tipText = WindowText(Item(IDC_COMBO_PORT));
            tip->lpszText = m_tipText.data();
            ::SendMessageW(hdr->hwndFrom, TTM_SETMAXTIPWIDTH, 0, ScaleForDpi(kTipWidth, WindowDpi(m_hwnd)));
            return TRUE;
        }
        if (hdr->code == NM_CUSTOMDRAW && hdr->hwndFrom == Item(static_cast<int>(hdr->idFrom)) &&
            IsToggle(hdr->idFrom)) {
            ::SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT,
                                PaintToggle(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam)));
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_COMBO_PORT && HIWORD(wParam) == CBN_DROPDOWN) {
            RefreshPortList();
            return TRUE;
        }
        if (HIWORD(wParam) == BN_CLICKED)
            return m_dlg->OnEvent({PanelEventKind::Click, LOWORD(wParam)}).handled ? TRUE : FALSE;
        return FALSE;
    case WM_CLOSE:
        m_dlg->OnEvent({PanelEventKind::Click, IDCANCEL});
        return TRUE;
    case WM_DPICHANGED:
        // The port list's width is measured again as it next drops down.
        FollowDpiChange(m_hwnd, lParam);
        return FALSE;
    case WM_ENDSESSION:
        // The process ends after this returns: close the port first.
        if (wParam != FALSE) m_dlg->OnEvent({PanelEventKind::Click, IDCANCEL});
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

void Win32PanelWindow::RefreshPortList() {
    const HWND combo = Item(IDC_COMBO_PORT);
    const std::vector<std::string> listed = GetComboList(IDC_COMBO_PORT);
    const std::vector<std::string> wanted = res::PortList(port::PresentPorts());
    // Only the entries from the first difference on are rewritten: the
    // edit's text, caret and selection are not the list's, and stay.
    const auto from = static_cast<std::size_t>(std::ranges::mismatch(listed, wanted).in1 - listed.begin());
    for (std::size_t i = listed.size(); i-- > from;) ::SendMessageW(combo, CB_DELETESTRING, i, 0);
    for (std::size_t i = from; i < wanted.size(); ++i)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(wanted[i]).c_str()));
    // The open list as wide as its longest entry, never narrower than the combo.
    const HDC dc = ::GetDC(combo);
    const HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(combo, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& entry : wanted) {
        const std::wstring text = Wide(entry);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, size.cx);
    }
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(combo, dc);
    RECT rc{};
    ::GetWindowRect(combo, &rc);
    const UINT dpi = WindowDpi(combo);
    const LONG width = widest + MetricForDpi(SM_CXVSCROLL, dpi) + 4 * MetricForDpi(SM_CXEDGE, dpi);
    ::SendMessageW(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(std::max(width, rc.right - rc.left)), 0);
}

void Win32PanelWindow::NameControls() {
    IAccPropServices* props = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                  reinterpret_cast<void**>(&props))))
        return;
    for (const res::AccessibleName& n : res::PanelAccessibleNames())
        props->SetHwndPropStr(Item(n.id), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                              Wide(n.name).c_str());
    props->Release();
}

void Win32PanelWindow::AddPortTip() {
    const HWND tip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd,
                                       nullptr, m_instance, nullptr);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ::GetComboBoxInfo(Item(IDC_COMBO_PORT), &parts);
    // The edit part and the whole combo both show it.
    for (const HWND part : {parts.hwndItem, Item(IDC_COMBO_PORT)}) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_hwnd;
        tool.uId = reinterpret_cast<UINT_PTR>(part);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Win32PanelWindow::EnableControl(int id, bool enable) { ::EnableWindow(Item(id), enable ? TRUE : FALSE); }

bool Win32PanelWindow::IsControlEnabled(int id) { return ::IsWindowEnabled(Item(id)) != FALSE; }

std::string Win32PanelWindow::GetText(int id) { return Utf8(WindowText(Item(id))); }

void Win32PanelWindow::SetText(int id, std::string_view text) {
    const std::wstring value = Wide(text);
    if (WindowText(Item(id)) != value) ::SetWindowTextW(Item(id), value.c_str());
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
    for (LRESULT i = 0; i < count; ++i) list.push_back(Utf8(ComboEntry(Item(id), i)));
    return list;
}

void Win32PanelWindow::SelectComboEntry(int id, int index) {
    const HWND combo = Item(id);
    // The entry already shown stays: selecting it again would rewrite the
    // edit under the caret.
    if (ComboEntry(combo, index) == WindowText(combo)) return;
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool Win32PanelWindow::HasFocus(int id) { return HoldsFocus(Item(id)); }

int Win32PanelWindow::FocusedControl() {
    const HWND focus = ::GetFocus();
    if (focus == nullptr || ::IsChild(m_hwnd, focus) == FALSE) return 0;
    // A combo's edit is a child of the combo, a child of the panel.
    HWND control = focus;
    while (::GetParent(control) != m_hwnd) control = ::GetParent(control);
    return ::GetDlgCtrlID(control);
}

void Win32PanelWindow::FocusControl(int id) {
    // As Tab moves it: the default button follows, and an edit selects its text.
    ::SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

int Win32PanelWindow::CaretPosition(int id) {
    // The end of the selection, where the caret is after typing.
    if (IsCombo(id)) return HIWORD(static_cast<DWORD>(::SendMessageW(Item(id), CB_GETEDITSEL, 0, 0)));
    DWORD from = 0, to = 0;
    ::SendMessageW(Item(id), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    return static_cast<int>(to);
}

void Win32PanelWindow::SetCaret(int id, int position) {
    // Both ends at one place: the caret there, nothing selected; past the
    // end of the text, the control puts it at the end.
    if (IsCombo(id)) {
        const auto at = static_cast<WORD>(std::clamp(position, 0, 0xFFFF));
        ::SendMessageW(Item(id), CB_SETEDITSEL, 0, MAKELPARAM(at, at));
    } else {
        ::SendMessageW(Item(id), EM_SETSEL, static_cast<WPARAM>(position), position);
    }
}

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

void Win32PanelWindow::ShowTrendWindow(TrendSeries& series) { m_trend.Show(m_hwnd, series); }

bool Win32PanelWindow::IsTrendWindowOpen() { return m_trend.IsOpen(); }

void Win32PanelWindow::TrendChanged() { m_trend.Redraw(); }

void Win32PanelWindow::ShowTrafficWindow(TrafficLog& log) { m_traffic.Show(m_hwnd, log); }
