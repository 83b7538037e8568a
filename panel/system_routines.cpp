// The window-level routines: system menu commands, painting and the icon
// shown while the minimised window is dragged.
#include "panel/panel_dlg.h"

#include "panel/about_dlg.h"
#include "res/resource.h"

bool CPanelDlg::OnSysCommand(unsigned id, std::intptr_t) {
    if ((id & 0xFFF0) != IDM_ABOUTBOX) return false;  // the window's own handling
    CAboutDlg about(m_view);
    about.DoModal();
    return true;
}

bool CPanelDlg::OnPaint(unsigned, std::intptr_t) { return false; }  // default painting

IconHandle CPanelDlg::OnQueryDragIcon() { return m_hIcon; }
