// The About box (template 100) and the system menu item that opens it.
#ifndef VELMORA_PANEL_ABOUT_DLG_H
#define VELMORA_PANEL_ABOUT_DLG_H

#include "panel/panel_shell.h"

class CAboutDlg {
public:
    explicit CAboutDlg(PanelShell& owner) : m_owner(owner) {}
    // Runs the box modally until OK, Enter, Escape or its close box.
    int DoModal();

private:
    PanelShell& m_owner;
};

// Appends a separator and the About item (string 101, command 0x0010) to
// the window's system menu; nothing when the string is empty or missing.
void AppendAboutItem(PanelShell& view);

#endif
