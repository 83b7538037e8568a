// velmora's command line: --help and --version answer without a window,
// anything else is refused.
#include "app/command_line.h"
#include "res/dialog_templates.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CommandLine Read(std::vector<const char*> args) {
    args.insert(args.begin(), "velmora");
    return ReadCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, AnswersHelpAndVersionAndRefusesTheRest) {
    const struct {
        std::vector<const char*> args;
        CommandLineAction action;
        const char* error;
    } cases[] = {
        {{}, CommandLineAction::Run, ""},
        {{"--help"}, CommandLineAction::Help, ""},
        {{"--version"}, CommandLineAction::Version, ""},
        {{"--help", "--help"}, CommandLineAction::Help, ""},
        {{"--help", "--version"}, CommandLineAction::Refuse, "--help and --version go alone"},
        {{"-h"}, CommandLineAction::Refuse, "unknown option '-h'"},
        {{"COM3"}, CommandLineAction::Refuse, "unknown option 'COM3'"},
        {{"--help", "COM3"}, CommandLineAction::Refuse, "unknown option 'COM3'"},
    };
    for (const auto& c : cases) {
        const CommandLine line = Read(c.args);
        EXPECT_EQ(line.action, c.action) << (c.args.empty() ? "" : c.args.front());
        EXPECT_EQ(line.error, c.error);
    }
}

TEST(CommandLine, TheVersionIsTheResourcesOne) {
    EXPECT_EQ(PanelVersionText(), "velmora " + res::VersionText() + "\n");
    EXPECT_EQ(AnswerCommandLine(Read({})), -1);
}

}  // namespace
