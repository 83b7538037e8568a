// velmora-board without a window: prints the port path it serves,
// optionally links a name to it (so "COM3" in a working folder leads to
// it), and logs every byte it receives until HUP, INT or TERM.
#include "sim/board_cli.h"

int main(int argc, char** argv) {
    sim::SimBoard board;
    sim::BoardOptions options;
    if (const auto done = sim::StartBoard(argc, argv, board, options)) return *done;
    sim::LogUntilStopped(board);
    sim::PrintState(board);
    sim::RemoveLink(board, options.link);
    return 0;
}
