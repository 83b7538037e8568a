// Start-up's platform for wxWidgets: the toolkit's initialisation and the
// panel window's modal run.
#ifndef VELMORA_APP_WX_WX_PLATFORM_H
#define VELMORA_APP_WX_WX_PLATFORM_H

#include "app/app_platform.h"
#include "app/wx/wx_panel_window.h"

#include <memory>
#include <string>

class WxPlatform : public AppPlatform {
public:
    // `programName`: the executable's file name without extension, the
    // caption of every message box.
    explicit WxPlatform(std::string programName) : m_programName(std::move(programName)) {}

    void InitCommonControls() override {}  // GTK has nothing to register first
    bool InitBase() override;
    PanelView& PanelWindow() override;
    void SetMainWindow(CPanelDlg& dlg) override;
    int RunModal(CPanelDlg& dlg) override;

    WxPanelWindow* Window() { return m_window; }

private:
    std::string m_programName;
    WxPanelWindow* m_window = nullptr;  // owned by wx; destroyed after its run
};

#endif
