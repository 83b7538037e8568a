#include "app/command_line.h"

#include "res/dialog_templates.h"

#include <cstdio>
#include <string_view>

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" && line.action != CommandLineAction::Version) {
            line.action = CommandLineAction::Help;
        } else if (arg == "--version" && line.action != CommandLineAction::Help) {
            line.action = CommandLineAction::Version;
        } else {
            line.action = CommandLineAction::Refuse;
            line.error = arg == "--help" || arg == "--version" ? "--help and --version go alone"
                                                              : "unknown option '" + std::string(arg) + "'";
            return line;
        }
    }
    return line;
}

std::string PanelUsageText() {
    return "usage: velmora\n"
           "       velmora --help | --version\n"
           "Opens the control panel of the PIC18F demo board; choose or type its port in the\n"
           "first combo (velmora-board shows the name to type for the simulated board).\n";
}

std::string PanelVersionText() {
    return "velmora " + res::VersionText() + "\n";
}

int AnswerCommandLine(const CommandLine& line) {
    switch (line.action) {
    case CommandLineAction::Run: return -1;
    case CommandLineAction::Help: std::fputs(PanelUsageText().c_str(), stdout); return 0;
    case CommandLineAction::Version: std::fputs(PanelVersionText().c_str(), stdout); return 0;
    case CommandLineAction::Refuse:
        std::fprintf(stderr, "velmora: %s\n%s", line.error.c_str(), PanelUsageText().c_str());
        return 2;
    }
    return 2;
}
