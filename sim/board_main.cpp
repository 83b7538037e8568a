// velmora-board without a window: prints the port path it serves,
// optionally links a name to it (so "COM3" in a working folder leads to
// it), and logs every byte it receives until interrupted.
#include "sim/board_cli.h"

int main(int argc, char** argv) {
    sim::SimBoard board;
    sim::BoardOptions options;
    if (const int failed = sim::StartBoard(argc, argv, board, options)) return failed;
    sim::LogUntilStopped(board);
    sim::PrintState(board);
    sim::RemoveLink(options.link);
    return 0;
}
