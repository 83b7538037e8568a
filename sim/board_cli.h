// The simulated board's command line, shared by its headless and window
// programs: options and their limits, the link name, the signals that end
// it, and the headless byte log.
#ifndef VELMORA_SIM_BOARD_CLI_H
#define VELMORA_SIM_BOARD_CLI_H

#include "sim/sim_board.h"

#include <optional>
#include <string>
#include <vector>

namespace sim {

struct BoardOptions {
    std::string link;      // a name made to lead to the port, e.g. "COM3"
    bool window = true;    // false: --no-window
    bool help = false;     // --help: usage on stdout, nothing else
    bool version = false;  // --version
    int analog = BoardState{}.analog;
    double temperature = BoardState{}.temperature;
    Reply reply = Reply::Normal;
    int lateMs = 0;
};

// The ranges the options take; the window's controls take the same.
inline constexpr int kAnalogMax = 1023;
inline constexpr double kTemperatureMin = -40.0, kTemperatureMax = 125.0;
inline constexpr int kLateMaxMs = 60000;

// Reads the options. False, with the reason in `error`, when an option is
// unknown, lacks its value, or its value is not a number in range.
bool ParseBoardOptions(int argc, char** argv, BoardOptions& options, std::string& error);

// The options and what they take, one per line.
std::string UsageText();

// What both programs do first: read the options, answer --help and
// --version, check the pseudo-terminal, apply the options, make the link
// and print the port path. Empty when the board is to run; otherwise the
// exit code to end with (2 for a bad option or a link it will not replace).
std::optional<int> StartBoard(int argc, char** argv, SimBoard& board, BoardOptions& options);

// Makes `link` lead to the board's port: creates it, or replaces a
// symbolic link (one left by an earlier run) in one step; anything else
// at that name is left alone. 0 on success, else the exit code, with the
// reason printed.
int MakeLink(const SimBoard& board, const std::string& link);
// Removes `link` only while it still leads to this board's port, so a
// board ending late never takes the link of a board started after it.
void RemoveLink(const SimBoard& board, const std::string& link);

// SIGHUP, SIGINT and SIGTERM set the flag StopRequested() reads, so the
// board can still say what it shows and remove its link.
void CatchStopSignals();
bool StopRequested();

// Prints every byte received, a line a read in hex, until a stop signal.
void LogUntilStopped(SimBoard& board);

// One read as a log line: its bytes in hex.
std::string HexLine(const std::string& bytes);

// One read as the board's window logs it, so a long row still fits its
// width: 16 bytes a line in hex, padded to one column, then the same bytes
// with the unprintable ones as dots.
std::vector<std::string> DumpLines(const std::string& bytes);

// What the board shows, for whoever ran it: the display's rows, the LEDs
// and the buzzer.
void PrintState(const SimBoard& board);

}  // namespace sim

#endif
