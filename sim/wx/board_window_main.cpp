// velmora-board: the simulated board, in a window of its own unless told
// --no-window (then it prints its port path and logs bytes, as the tests
// and scripts want).
#include "app/wx/wx_toolkit.h"
#include "sim/board_cli.h"
#include "sim/wx/board_window.h"

#include <wx/app.h>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
    sim::SimBoard board;
    sim::BoardOptions options;
    if (const auto done = sim::StartBoard(argc, argv, board, options)) return *done;
    int result = 0;
    if (!options.window) {
        sim::LogUntilStopped(board);
    } else {
        int wxArgc = 1;  // the options are the board's, not the toolkit's
        const WxToolkit toolkit(wxArgc, argv);
        if (!toolkit.Started()) {
            std::fprintf(stderr, "velmora-board: cannot open the display (try --no-window)\n");
            result = 1;
        } else {
            // Hung up, interrupted or terminated: leave the loop, then say
            // what it shows and remove the link.
            const auto stop = [](int) { wxTheApp->ExitMainLoop(); };
            for (const int sig : {SIGHUP, SIGINT, SIGTERM}) wxTheApp->SetSignalHandler(sig, stop);
            if (!sim::StopRequested()) {  // no stop came before the loop could see it
                (new BoardWindow(board, options.link))->Show();
                wxTheApp->OnRun();
            }
        }
    }
    sim::PrintState(board);
    sim::RemoveLink(board, options.link);
    return result;
}
