// velmora: the panel on Linux, with the wxWidgets frontend.
#include "app/command_line.h"
#include "app/panel_app.h"
#include "app/wx/wx_platform.h"

#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

CPanelApp theApp;

// Runs nothing of its own: start-up runs the panel modally and then the
// process ends.
class WxApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(WxApp);

int main(int argc, char** argv) {
    // Before the toolkit starts: --help must answer without a display.
    if (const int done = AnswerCommandLine(ReadCommandLine(argc, argv)); done >= 0) return done;
    // The panel draws nothing with GL, and GTK's probe of it at start loads
    // the whole GL stack (with a software renderer, LLVM too): about half the
    // start-up time and 50 MiB. A GDK_GL the user set still wins.
    ::setenv("GDK_GL", "disable", 0);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "velmora: cannot open the display\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    const std::string programName = std::filesystem::path{argv[0]}.stem().string();
    WxPlatform platform{programName};
    theApp.InitInstance(platform);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
