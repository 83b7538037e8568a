// The simulated board's command line, shared by its headless and window
// programs: options, the link name, and the headless byte log.
#ifndef VELMORA_SIM_BOARD_CLI_H
#define VELMORA_SIM_BOARD_CLI_H

#include "sim/sim_board.h"

#include <string>

namespace sim {

struct BoardOptions {
    std::string link;     // a name made to lead to the port, e.g. "COM3"
    bool window = true;   // false: --no-window
};

// Applies the options to the board. False, with a usage message printed,
// when an option is not understood.
bool ParseBoardOptions(int argc, char** argv, SimBoard& board, BoardOptions& options);

// What both programs do first: check the pseudo-terminal, take the
// options, make the link and print the port path. 0 when all went well,
// else the exit code to end with.
int StartBoard(int argc, char** argv, SimBoard& board, BoardOptions& options);

// Makes `link` lead to the board's port (replacing a link left by an
// earlier run). False, with the reason printed, when it cannot.
bool MakeLink(const SimBoard& board, const std::string& link);
void RemoveLink(const std::string& link);

// Prints every byte received, a line a read in hex, until SIGINT or SIGTERM.
void LogUntilStopped(SimBoard& board);

// One read as a log line: its bytes in hex.
std::string HexLine(const std::string& bytes);

// What the board shows, for whoever ran it: the display's rows, the LEDs
// and the buzzer.
void PrintState(const SimBoard& board);

}  // namespace sim

#endif
