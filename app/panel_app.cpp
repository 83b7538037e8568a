#include "app/panel_app.h"

#include "panel/panel_dlg.h"

bool CPanelApp::InitInstance(AppPlatform& platform) {
    platform.InitCommonControls();
    platform.InitBase();
    CPanelDlg dlg(platform.PanelWindow());
    platform.SetMainWindow(dlg);
    platform.RunModal(dlg);  // OK and cancel end the same way
    return false;
}
