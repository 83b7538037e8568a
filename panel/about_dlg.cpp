#include "panel/about_dlg.h"

#include "res/dialog_templates.h"
#include "res/resource.h"

int CAboutDlg::DoModal() { return m_owner.RunModal(IDD_ABOUTBOX); }

void AppendAboutItem(PanelShell& view) {
    const std::string_view item = res::LoadString(IDS_ABOUTBOX);
    if (item.empty()) return;
    view.AppendSystemMenuSeparator();
    view.AppendSystemMenuItem(IDM_ABOUTBOX, item);
}
