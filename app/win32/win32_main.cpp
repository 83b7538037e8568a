// velmora.exe: the panel on Windows, with the Win32 frontend.
#include "app/app_platform.h"
#include "app/panel_app.h"
#include "app/win32/win32_dpi.h"
#include "app/win32/win32_panel_window.h"
#include "app/win32/win32_text.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace {

CPanelApp theApp;

// The executable's file name without its extension: every message box's caption.
std::string ProgramName() {
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, n);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    name = name.substr(0, name.find_last_of(L'.'));
    return Utf8(name);
}

class Win32Platform : public AppPlatform {
public:
    explicit Win32Platform(HINSTANCE instance) : m_window(instance, ProgramName()) {}
    void InitCommonControls() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
    }
    bool InitBase() override { return true; }
    PanelView& PanelWindow() override { return m_window; }
    void SetMainWindow(CPanelDlg&) override {}  // the dialog is the only window
    int RunModal(CPanelDlg& dlg) override { return m_window.Run(dlg); }

private:
    Win32PanelWindow m_window;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    DeclareDpiAwareness();
    Win32Platform platform(instance);
    theApp.InitInstance(platform);
    return 0;
}
