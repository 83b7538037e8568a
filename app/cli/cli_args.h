// velmora-cli's command line: global options, then commands with their
// arguments, each command's own options after it.
#ifndef VELMORA_APP_CLI_CLI_ARGS_H
#define VELMORA_APP_CLI_CLI_ARGS_H

#include "app/cli/cli_request.h"

#include <span>
#include <string>
#include <string_view>

struct ParsedArgs {
    CliRequest request;
    bool ok = false;
    std::string error;  // why the line was not understood, when !ok
};

// The arguments after the program's name. --help or --version anywhere
// ends the parse with that flag set.
ParsedArgs ParseArgs(std::span<const std::string_view> args);

// The usage text that --help prints and wrong usage follows.
std::string_view UsageText();

#endif
