#include "app/wx/wx_panel_window.h"

#include "app/wx/wx_about_box.h"
#include "app/wx/wx_art.h"
#include "app/wx/wx_gtk_controls.h"
#include "app/wx/wx_gtk_modal.h"
#include "app/wx/wx_gtk_style.h"
#include "app/wx/wx_gtk_window.h"
#include "app/wx/wx_template.h"
#include "app/wx/wx_traffic_window.h"
#include "app/wx/wx_trend_window.h"
#include "link/cp1252.h"
#include "link/port_discovery.h"
#include "res/port_list.h"
#include "res/resource.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kScClose = 0xF060;  // the system menu's own "close" command

std::string ToUtf8(const wxString& s) {
    const wxScopedCharBuffer utf8 = s.utf8_str();
    return {utf8.data(), utf8.length()};
}

wxString FromUtf8(std::string_view s) { return wxString::FromUTF8(s.data(), s.size()); }

std::size_t Chars(const wxString& s) { return cp1252::CharCount(ToUtf8(s)); }

// The focus is in `control` or in a part of it (a combo's entry).
bool HoldsFocus(const wxWindow* control) {
    for (const wxWindow* w = wxWindow::FindFocus(); w != nullptr; w = w->GetParent())
        if (w == control) return true;
    return false;
}

}  // namespace

WxPanelWindow::WxPanelWindow(wxWindow* parent, std::string programName)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxCLOSE_BOX),
      m_programName(std::move(programName)),
      m_timer(this) {
    PaintWithoutFrameSync(*this);  // the clock repaints every second
    m_controls = BuildFromTemplate(*this, res::PanelTemplate());
    for (const res::AccessibleName& n : res::PanelAccessibleNames())
        SetAccessibleName(*m_controls.at(n.id), n.name);
    // The ports present now, again as the list opens, and whenever one
    // comes or goes.
    auto& portCombo = dynamic_cast<wxComboBox&>(*m_controls.at(IDC_COMBO_PORT));
    TipWholeText(portCombo);
    RefreshPortList();
    portCombo.Bind(wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent&) { RefreshPortList(); });
    m_portWatch = std::make_unique<WxPortWatch>([this] { RefreshPortList(); });
    m_systemMenu.push_back({kScClose, "&Chiudi\tAlt+F4"});

    Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { Route(PanelEventKind::Click, e.GetId()); });
    Bind(wxEVT_TOGGLEBUTTON, [this](wxCommandEvent& e) { Route(PanelEventKind::Click, e.GetId()); });
    Bind(wxEVT_TIMER, [this](wxTimerEvent& e) { Route(PanelEventKind::Timer, e.GetId()); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) {
        e.Veto();  // the panel's cancel routine decides
        Route(PanelEventKind::Click, IDCANCEL);
    });
    Bind(wxEVT_CHAR_HOOK, &WxPanelWindow::OnCharHook, this);
    Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { ShowSystemMenu(); });
    Bind(wxEVT_TEXT, &WxPanelWindow::OnTextChanged, this);
    // Another theme: the pressed toggles' colours are picked again.
    Bind(wxEVT_SYS_COLOUR_CHANGED, [](wxSysColourChangedEvent& e) {
        ApplyToggleColours();
        e.Skip();
    });
}

void WxPanelWindow::Route(PanelEventKind kind, int id, std::intptr_t param) {
    if (m_dlg == nullptr) return;
    const EventResult r = m_dlg->OnEvent({kind, id, param});
    if (r.handled) return;
    if (kind == PanelEventKind::SysCommand && (id & 0xFFF0) == kScClose) Close();
}

void WxPanelWindow::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE) {
        Route(PanelEventKind::Click, IDCANCEL);
        return;
    }
    if (key == WXK_SPACE && event.GetModifiers() == wxMOD_ALT) {
        ShowSystemMenu();
        return;
    }
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        // Enter on a push button presses it; anywhere else, toggles included
        // (they are check boxes), it is the OK command.
        if (dynamic_cast<const wxButton*>(FindFocus()) == nullptr) {
            Route(PanelEventKind::Click, IDOK);
            return;
        }
    }
    event.Skip();
}

void WxPanelWindow::OnTextChanged(wxCommandEvent& event) {
    event.Skip();
    const auto limit = m_limit.find(event.GetId());
    auto* edit = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
    if (limit == m_limit.end() || edit == nullptr) return;
    const wxString now = edit->GetValue();
    wxString& before = m_lastAccepted[event.GetId()];
    if (Chars(now) > static_cast<std::size_t>(limit->second) && Chars(now) > Chars(before)) {
        // Typing or pasting past the limit is refused, as a limited edit does.
        const long at = edit->GetInsertionPoint() - static_cast<long>(now.length() - before.length());
        edit->ChangeValue(before);
        edit->SetInsertionPoint(std::max(0L, at));
        wxBell();
        return;
    }
    before = now;
}

void WxPanelWindow::EnableControl(int id, bool enable) { m_controls.at(id)->Enable(enable); }

void WxPanelWindow::RefreshPortList() {
    auto& combo = dynamic_cast<wxComboBox&>(*m_controls.at(IDC_COMBO_PORT));
    const std::vector<std::string> listed = GetComboList(IDC_COMBO_PORT);
    const std::vector<std::string> wanted = res::PortList(port::PresentPorts());
    // Only the entries from the first difference on are rewritten, one by
    // one: clearing the list would empty the field under the user's fingers.
    const auto from = static_cast<unsigned>(std::ranges::mismatch(listed, wanted).in1 - listed.begin());
    for (auto i = static_cast<unsigned>(listed.size()); i-- > from;) combo.Delete(i);
    for (std::size_t i = from; i < wanted.size(); ++i) combo.Append(FromUtf8(wanted[i]));
}

bool WxPanelWindow::IsControlEnabled(int id) { return m_controls.at(id)->IsThisEnabled(); }

std::string WxPanelWindow::GetText(int id) {
    wxWindow* w = m_controls.at(id);
    if (auto* t = dynamic_cast<wxTextCtrl*>(w)) return ToUtf8(t->GetValue());
    if (auto* c = dynamic_cast<wxComboBox*>(w)) return ToUtf8(c->GetValue());
    if (auto* s = dynamic_cast<wxStaticText*>(w)) return ToUtf8(s->GetLabelText());
    return ToUtf8(w->GetLabel());
}

void WxPanelWindow::SetText(int id, std::string_view text) {
    // Writing what is shown again would put the caret at the start of what
    // the user is typing.
    if (GetText(id) == text) return;
    wxWindow* w = m_controls.at(id);
    const wxString value = FromUtf8(text);
    if (auto* t = dynamic_cast<wxTextCtrl*>(w)) {
        t->ChangeValue(value);
        m_lastAccepted[id] = value;
    } else if (auto* c = dynamic_cast<wxComboBox*>(w)) {
        c->SetSelection(wxNOT_FOUND);
        c->ChangeValue(value);
    } else if (auto* s = dynamic_cast<wxStaticText*>(w)) {
        s->SetLabelText(value);  // a '&' from the board is shown, not a mnemonic
    } else {
        w->SetLabel(value);
    }
}

bool WxPanelWindow::GetCheck(int id) {
    return dynamic_cast<wxToggleButton&>(*m_controls.at(id)).GetValue();
}

void WxPanelWindow::SetCheck(int id, bool pressed) {
    dynamic_cast<wxToggleButton&>(*m_controls.at(id)).SetValue(pressed);
}

void WxPanelWindow::LimitText(int id, int chars) {
    m_limit[id] = chars;
    m_lastAccepted[id] = dynamic_cast<wxTextCtrl&>(*m_controls.at(id)).GetValue();
}

std::vector<std::string> WxPanelWindow::GetComboList(int id) {
    std::vector<std::string> list;
    for (const wxString& s : dynamic_cast<wxComboBox&>(*m_controls.at(id)).GetStrings())
        list.push_back(ToUtf8(s));
    return list;
}

void WxPanelWindow::SelectComboEntry(int id, int index) {
    auto& combo = dynamic_cast<wxComboBox&>(*m_controls.at(id));
    // The entry already shown stays: selecting it again would rewrite the
    // field under the caret.
    if (combo.GetString(static_cast<unsigned>(index)) == combo.GetValue()) return;
    combo.SetSelection(index);
}

bool WxPanelWindow::HasFocus(int id) { return HoldsFocus(m_controls.at(id)); }

int WxPanelWindow::FocusedControl() {
    // The window's own focus widget: GTK keeps it while a popup menu or a box
    // has the keyboard, and wx knows none then.
    for (const auto& [id, control] : m_controls)
        if (KeepsFocusWithin(*this, *control)) return id;
    return 0;
}

void WxPanelWindow::FocusControl(int id) { m_controls.at(id)->SetFocus(); }

int WxPanelWindow::CaretPosition(int id) {
    const auto* entry = dynamic_cast<const wxTextEntry*>(m_controls.at(id));
    return entry != nullptr ? static_cast<int>(entry->GetInsertionPoint()) : 0;
}

void WxPanelWindow::SetCaret(int id, int position) {
    auto* entry = dynamic_cast<wxTextEntry*>(m_controls.at(id));
    if (entry == nullptr) return;
    // Setting the position leaves nothing selected.
    entry->SetInsertionPoint(std::min(static_cast<long>(position), entry->GetLastPosition()));
}

void WxPanelWindow::ShowMessage(std::string_view text) {
    if (m_closing) return;  // the panel is ending: as if OK were pressed at once
    wxMessageDialog box(this, FromUtf8(text), FromUtf8(m_programName), wxOK | wxICON_NONE);
    RunNested([&box] { AnswerOk(box); }, [&box] { box.ShowModal(); });
}

template <class RunBox>
void WxPanelWindow::RunNested(std::function<void()> end, RunBox run) {
    std::function<void()> outer = std::exchange(m_endNested, std::move(end));
    run();
    m_endNested = std::move(outer);
    if (!m_closing) return;
    // Ending the panel from inside a box's loop would end that loop instead:
    // close the boxes one by one, then route the cancel from the panel's own.
    if (m_endNested)
        m_endNested();
    else
        CallAfter([this] { Route(PanelEventKind::Click, IDCANCEL); });
}

void WxPanelWindow::CloseFromOutside() {
    if (m_closing) return;
    m_closing = true;
    if (m_endNested)
        m_endNested();
    else
        Route(PanelEventKind::Click, IDCANCEL);
}

void WxPanelWindow::StartTimer(int id, unsigned periodMs) {
    m_timer.SetOwner(this, id);
    m_timer.Start(static_cast<int>(periodMs));
}

void WxPanelWindow::EndDialog(int result) {
    m_timer.Stop();  // the timer ends with the window
    if (IsModal()) EndModal(result);
}

void WxPanelWindow::AppendSystemMenuSeparator() { m_systemMenu.push_back({0, {}}); }

void WxPanelWindow::AppendSystemMenuItem(int command, std::string_view text) {
    m_systemMenu.push_back({command, FromUtf8(text)});
}

void WxPanelWindow::ShowSystemMenu() {
    // wx menu ids stop below 0x7FFF, short of SC_CLOSE: items carry their
    // place in the list and the command is looked up after.
    wxMenu menu;
    for (std::size_t i = 0; i < m_systemMenu.size(); ++i) {
        if (m_systemMenu[i].command == 0)
            menu.AppendSeparator();
        else
            menu.Append(static_cast<int>(i) + 1, m_systemMenu[i].text);
    }
    int chosen = wxID_NONE;
    RunNested([&menu] { PopDown(menu); },
              [&] { chosen = GetPopupMenuSelectionFromUser(menu, wxDefaultPosition); });
    if (chosen >= 1 && static_cast<std::size_t>(chosen) <= m_systemMenu.size())
        Route(PanelEventKind::SysCommand, m_systemMenu[static_cast<std::size_t>(chosen) - 1].command);
}

IconHandle WxPanelWindow::LoadIconResource(int resourceId) {
    // One icon resource: its handle is its id; the images come from res/.
    return resourceId;
}

void WxPanelWindow::SetIcon(IconHandle icon, bool large) {
    if (icon != IDR_MAINFRAME) return;
    // GTK takes every size at once and picks per use.
    if (large) SetIcons(AppIconBundle());
}

int WxPanelWindow::RunModal(int templateId) {
    if (templateId != IDD_ABOUTBOX || m_closing) return wxID_CANCEL;
    WxAboutBox about(this);
    int result = wxID_CANCEL;
    RunNested([&about] { about.EndModal(IDOK); }, [&] { result = about.ShowModal(); });
    return result;
}

WxPanelWindow::RunThroughPanel WxPanelWindow::ThroughPanel() {
    return [this](const std::function<void()>& run) {
        if (m_dlg != nullptr)
            m_dlg->RunModalWindow(run);
        else
            run();
    };
}

void WxPanelWindow::ShowTrendWindow(TrendSeries& series) {
    if (m_trend == nullptr)
        m_trend = new WxTrendWindow(this, series, m_programName, [this] { m_trend = nullptr; }, ThroughPanel());
    m_trend->Show();
    m_trend->Raise();
}

void WxPanelWindow::ShowTrafficWindow(TrafficLog& log) {
    if (m_traffic == nullptr)
        m_traffic = new WxTrafficWindow(this, log, m_programName, [this] { m_traffic = nullptr; }, ThroughPanel());
    m_traffic->Show();
    m_traffic->Raise();
}

bool WxPanelWindow::IsTrendWindowOpen() { return m_trend != nullptr; }

void WxPanelWindow::TrendChanged() {
    if (m_trend != nullptr) m_trend->Redraw();
}
