// Win32 frontend of the panel: the dialog from template 102 in the
// executable's resources, run by DialogBoxParamW. It provides the panel's
// controls and shell (panel/panel_controls.h, panel/panel_shell.h) over the
// native controls and hands every message to the panel; it answers and
// carries out orders, and decides nothing: which combo entry to select,
// and where the focus goes and when, are the panel's rules.
//
//  [X] Native controls from the resource template (the dialog manager's
//      own layout, tab order, mnemonics, Enter = IDOK, Escape = IDCANCEL).
//  [X] Combo lists filled from res/ at WM_INITDIALOG, as the template's
//      initial data.
//  [X] The real system menu with the About item; WM_SYSCOMMAND routed.
//  [X] Message boxes: MB_OK, no icon, the executable's name as caption.
//  [X] UTF-8 in the panel, UTF-16 at the window.
//  [X] Writing the text a control already shows, or selecting the combo
//      entry it shows, changes nothing (SetWindowText would put the caret
//      at the start and drop the selection and undo).
//  [X] The focus: whether a control has it now (HasFocus: the keyboard's
//      focus, a combo's edit counting as the combo), which control holds
//      it, moved with WM_NEXTDLGCTL as the dialog manager moves it for Tab,
//      and the caret put back with nothing selected (the dialog manager
//      selects an edit's whole text when it gives it the focus, also as the
//      panel comes back after a box).
//  [X] The trend window (Win32TrendWindow) opens beside the panel, modeless;
//      its file chooser runs through the panel, as a modal window of it.
//      So does the traffic window (Win32TrafficWindow).
//  [X] Close box, Alt+F4 and the session's end (WM_CLOSE, WM_ENDSESSION)
//      run the cancel routine, which closes the port.
//  [X] The port list is current: listed again as it drops down
//      (CBN_DROPDOWN) and when the port watch (link/port_watch.h) says a
//      port came or went, after the template's COM1..COM10; the edit's text
//      and caret stay. Windows 7 tells of ports only to top-level windows
//      (WM_DEVICECHANGE): the window forwards that message to the watch.
//      The open list is as wide as its longest entry (CB_SETDROPPEDWIDTH);
//      a tooltip on the port combo shows its whole text, asked for each
//      time it shows.
//  [X] Accessible names from res/ set through the accessibility API
//      (IAccPropServices::SetHwndPropStr); the template's controls are
//      unchanged. Wine 8 creates the service but its SetHwndPropStr is a
//      stub, and it gives no names across processes at all: under Wine the
//      names cannot be seen.
//  [X] A pressed toggle stands out from a released one (3:1 or more): the
//      system draws a pressed push-like check box with a face barely lighter
//      than a released one's (about 1.1:1 under Wine), and has no setting
//      for it. The manifest asks for the common controls of version 6,
//      whose buttons let the dialog paint them (NM_CUSTOMDRAW); the pressed
//      toggles are painted in the selection colours, a disabled one in grey
//      text colour, with the focus rectangle and the keyboard cues the
//      button would show. The buttons stay push-like check boxes: their
//      check state, clicks, Space and what a screen reader reads are the
//      system's. Version 6 gives every control the current visual style.
//  [X] The DPI of its monitor (win32_dpi.h): on WM_DPICHANGED it takes the
//      suggested rectangle and the dialog manager rescales the rest; the
//      painted toggles, the port list's width and the tooltip's follow.
//  [X] The right-aligned texts (the clock, the readings) keep their last
//      glyph whole (see win32_right_text.h).
#ifndef VELMORA_APP_WIN32_WIN32_PANEL_WINDOW_H
#define VELMORA_APP_WIN32_WIN32_PANEL_WINDOW_H

#include "app/win32/win32_dialog_proc.h"
#include "app/win32/win32_traffic_window.h"
#include "app/win32/win32_trend_window.h"
#include "link/port_watch.h"
#include "panel/panel_dlg.h"

#include <windows.h>

#include <functional>
#include <string>

class Win32PanelWindow : public PanelView {
public:
    Win32PanelWindow(HINSTANCE instance, std::string programName);

    // Runs template 102 modally with `dlg` behind it; the dialog's result.
    int Run(CPanelDlg& dlg);

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
    friend INT_PTR CALLBACK ObjectDialogProc<Win32PanelWindow>(HWND, UINT, WPARAM, LPARAM);
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    HWND Item(int id) const { return ::GetDlgItem(m_hwnd, id); }
    // Lists the ports present again after the fixed entries.
    void RefreshPortList();
    void NameControls();
    void AddPortTip();
    // A chooser or box of a window the panel owns, held as the panel's own.
    void RunAsPanelModal(const std::function<void()>& run);

    HINSTANCE m_instance;
    std::string m_programName;
    HWND m_hwnd = nullptr;
    CPanelDlg* m_dlg = nullptr;
    std::wstring m_tipText;  // the tooltip's text while it shows
    port::PortWatch m_portWatch;
    Win32TrendWindow m_trend;
    Win32TrafficWindow m_traffic;
};

#endif
