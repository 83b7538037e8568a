// velmora-board without a window: prints the port path it serves,
// optionally links a name to it (so "COM3" in a working folder leads to
// it), and logs every byte it receives until interrupted.
#include "sim/board_cli.h"

#include <cstdio>

int main(int argc, char** argv) {
    sim::SimBoard board;
    if (!board.Ok()) {
        std::fprintf(stderr, "velmora-board: cannot open a pseudo-terminal\n");
        return 1;
    }
    sim::BoardOptions options;
    if (!sim::ParseBoardOptions(argc, argv, board, options)) return 2;
    if (!sim::MakeLink(board, options.link)) return 1;
    std::printf("%s\n", board.Path().c_str());
    std::fflush(stdout);
    sim::LogUntilStopped(board);
    sim::PrintState(board);
    sim::RemoveLink(options.link);
    return 0;
}
