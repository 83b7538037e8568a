// Where the panel's start-up time goes, step by step, on a real X display:
// the toolkit, the style, port discovery, the icon, the window built from
// its template, and the panel's initialisation. Prints milliseconds.
#include "app/wx/wx_art.h"
#include "app/wx/wx_gtk_style.h"
#include "app/wx/wx_panel_window.h"
#include "link/port_discovery.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// Runs `step` once and prints how long it took.
template <class F>
void Time(const char* name, F step) {
    const auto start = Clock::now();
    step();
    std::printf("%-34s %7.2f ms\n", name,
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
}

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
    ::setenv("GDK_GL", "disable", 0);  // as the panel does
    bool started = false;
    Time("toolkit start (GTK, X connection)", [&] { started = wxEntryStart(argc, argv); });
    if (!started) return 1;
    wxTheApp->CallOnInit();
    Time("image handlers", [] { wxInitAllImageHandlers(); });
    Time("style", [] { ApplyCompactStyle(); });
    Time("port discovery", [] { (void)port::PresentPorts(); });
    Time("icon, every size", [] { (void)AppIconBundle(); });
    WxPanelWindow* window = nullptr;
    Time("panel window from its template", [&] { window = new WxPanelWindow(nullptr, "velmora"); });
    CPanelDlg dlg(*window);
    window->Attach(&dlg);
    Time("panel initialisation", [&] { dlg.OnInitDialog(); });
    Time("show and first paint", [&] {
        window->Show();
        window->Update();
        wxTheApp->Yield();
    });
    window->Attach(nullptr);
    window->Destroy();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
