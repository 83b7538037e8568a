// velmora: the panel on Linux, with the wxWidgets frontend.
#include "app/command_line.h"
#include "app/panel_app.h"
#include "app/wx/wx_platform.h"
#include "app/wx/wx_toolkit.h"

#include <cstdio>
#include <filesystem>

namespace {

CPanelApp theApp;

}  // namespace

int main(int argc, char** argv) {
    // Before the toolkit starts: --help must answer without a display.
    if (const int done = AnswerCommandLine(ReadCommandLine(argc, argv)); done >= 0) return done;
    const WxToolkit toolkit(argc, argv);
    if (!toolkit.Started()) {
        std::fprintf(stderr, "velmora: cannot open the display\n");
        return 1;
    }
    // Start-up runs the panel modally; then the process ends.
    const std::string programName = std::filesystem::path{argv[0]}.stem().string();
    WxPlatform platform{programName};
    theApp.InitInstance(platform);
    return 0;
}
