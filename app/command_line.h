// velmora's command line: the panel takes no options; --help and --version
// answer on stdout without opening a window, anything else is refused.
#ifndef VELMORA_APP_COMMAND_LINE_H
#define VELMORA_APP_COMMAND_LINE_H

#include <string>

enum class CommandLineAction { Run, Help, Version, Refuse };

struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    std::string error;  // why it was refused
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

std::string PanelUsageText();
std::string PanelVersionText();  // "velmora 1.0.0.1"

// What main() does with it before any window: prints the usage, the
// version or the error with the usage. -1 when the panel is to run, else
// the exit code (0, or 2 for a refused command line).
int AnswerCommandLine(const CommandLine& line);

#endif
