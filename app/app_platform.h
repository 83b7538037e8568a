// What start-up needs of the platform, beyond the panel's own window.
#ifndef VELMORA_APP_APP_PLATFORM_H
#define VELMORA_APP_APP_PLATFORM_H

class CPanelDlg;
class PanelView;

class AppPlatform {
public:
    virtual ~AppPlatform() = default;
    virtual void InitCommonControls() = 0;
    virtual bool InitBase() = 0;
    // The window built from template 102, for the panel to drive.
    virtual PanelView& PanelWindow() = 0;
    virtual void SetMainWindow(CPanelDlg& dlg) = 0;
    // Initialises the panel, shows it and routes its events until it ends.
    virtual int RunModal(CPanelDlg& dlg) = 0;
};

#endif
