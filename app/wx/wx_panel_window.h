// wxWidgets (GTK3) frontend of the panel: one dialog built from template
// 102 that provides the panel's controls and shell (panel/panel_controls.h,
// panel/panel_shell.h) and hands every event to the panel. It answers and
// carries out orders, and decides nothing: which combo entry to select, and
// where the focus goes and when, are the panel's rules. What wx does not
// reach in GTK is in the wx_gtk_* files.
//
//  [X] Controls of the template at their places in dialog units, tab order.
//  [X] Clicks, toggles, the poll timer, Escape / close box (cancel) and
//      Enter outside a push button (OK) routed through the event table.
//  [X] Row editors refuse typing beyond the limit but keep longer text set
//      by the panel (GTK's own max length would cut it).
//  [X] Modal message boxes: one OK button, no icon, the program's name.
//  [X] Writing the text a control already shows, or selecting the combo
//      entry it shows, changes nothing (caret, selection and undo stay).
//  [X] The focus: whether a control has it now (HasFocus: wx's focus, a
//      combo's entry counting as the combo), which control holds it, also
//      while a box or a popup menu has the keyboard (GTK keeps the window's
//      focus widget, see wx_gtk_window.h), and its caret put back with
//      nothing selected (GTK selects an entry's whole text when it takes the
//      focus by a grab).
//  [X] TERM, INT and HUP end the panel as the close box does (the cancel
//      routine closes the port): wxApp's signal handlers only note the
//      signal, and the main loop calls CloseFromOutside. An open message or
//      About box is closed first, as if OK were pressed, and no other opens
//      (GTK runs the message box and the menu natively: wx_gtk_modal.h).
//  [X] System menu: GTK lets no program add to the window manager's menu,
//      so a stand-in opens on right click, Shift+F10, the menu key or
//      Alt+Space, holding "Chiudi" and what the panel appended.
//  [X] The port list is current: the ports present are listed again as the
//      list opens and whenever the port watch (link/port_watch.h) says a
//      serial device came or went, its descriptor waited on in the main
//      loop (wx_port_watch.h, no timer), after the template's COM1..COM10;
//      what the field holds, caret included, stays.
//  [X] Accessible names from res/ on the controls whose text does not say
//      what they are; long port names shown whole (see wx_gtk_controls.h).
//  [X] The trend window (WxTrendWindow) opens beside the panel, modeless;
//      its file chooser runs through the panel, as a modal window of it.
//  [X] The traffic window (WxTrafficWindow) likewise, one at a time; the
//      menu item again brings it forward.
//  [X] A theme changed while the program runs gets pressed toggles that
//      stand out in it (see wx_gtk_style.h).
//  [ ] Drag icon: GTK never asks for one.
#ifndef VELMORA_APP_WX_WX_PANEL_WINDOW_H
#define VELMORA_APP_WX_WX_PANEL_WINDOW_H

#include "app/wx/wx_port_watch.h"
#include "panel/panel_dlg.h"

#include <wx/dialog.h>
#include <wx/timer.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>


class WxTrafficWindow;
class WxTrendWindow;

class WxPanelWindow : public wxDialog, public PanelView {
public:
    WxPanelWindow(wxWindow* parent, std::string programName);

    // Routes this window's events to `dlg` from now on.
    void Attach(CPanelDlg* dlg) { m_dlg = dlg; }
    // Shows the window and opens the system menu stand-in on demand.
    void ShowSystemMenu();
    // Ends the panel through its cancel routine, from the main loop, closing
    // any box open over it first.
    void CloseFromOutside();
    // Lists the ports present again after the fixed entries; the field keeps
    // its text, caret and selection.
    void RefreshPortList();

    // PanelControls.
    void EnableControl(int id, bool enable) override;
    bool IsControlEnabled(int id) override;
    std::string GetText(int id) override;
    void SetText(int id, std::string_view text) override;
    bool GetCheck(int id) override;
    void SetCheck(int id, bool pressed) override;
    void LimitText(int id, int chars) override;
    std::vector<std::string> GetComboList(int id) override;
    void SelectComboEntry(int id, int index) override;
    bool HasFocus(int id) override;
    int FocusedControl() override;
    void FocusControl(int id) override;
    int CaretPosition(int id) override;
    void SetCaret(int id, int position) override;

    // PanelShell.
    void ShowMessage(std::string_view text) override;
    void StartTimer(int id, unsigned periodMs) override;
    void EndDialog(int result) override;
    void AppendSystemMenuSeparator() override;
    void AppendSystemMenuItem(int command, std::string_view text) override;
    IconHandle LoadIconResource(int resourceId) override;
    void SetIcon(IconHandle icon, bool large) override;
    int RunModal(int templateId) override;
    void ShowTrendWindow(TrendSeries& series) override;
    bool IsTrendWindowOpen() override;
    void TrendChanged() override;
    void ShowTrafficWindow(TrafficLog& log) override;

private:
    void Route(PanelEventKind kind, int id, std::intptr_t param = 0);
    void OnTextChanged(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    // Runs a box over the panel that CloseFromOutside can end with `end`.
    template <class RunBox>
    void RunNested(std::function<void()> end, RunBox run);
    // Runs a side window's file chooser as a modal window of the panel.
    using RunThroughPanel = std::function<void(const std::function<void()>&)>;
    RunThroughPanel ThroughPanel();

    struct MenuEntry {
        int command;  // 0: separator
        wxString text;
    };

    CPanelDlg* m_dlg = nullptr;
    std::string m_programName;
    std::map<int, wxWindow*> m_controls;
    std::map<int, int> m_limit;            // row editors' limits, in characters
    std::map<int, wxString> m_lastAccepted;  // what each limited editor held
    std::vector<MenuEntry> m_systemMenu;
    wxTimer m_timer;
    std::function<void()> m_endNested;  // ends the box open over the panel, if any
    bool m_closing = false;             // CloseFromOutside was asked
    std::unique_ptr<WxPortWatch> m_portWatch;
    WxTrendWindow* m_trend = nullptr;   // open, or null; wx owns it
    WxTrafficWindow* m_traffic = nullptr;  // likewise
};

#endif
