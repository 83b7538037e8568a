// One run of velmora-cli from its arguments to its exit status: parse,
// choose the port, connect, run the commands, report what failed.
#ifndef VELMORA_APP_CLI_CLI_RUN_H
#define VELMORA_APP_CLI_CLI_RUN_H

#include "app/cli/cli_session.h"

#include <span>
#include <string_view>

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the port or the board failed
inline constexpr int kExitUsage = 2;
inline constexpr int kExitStopped = 130;  // stopped before the last command; as a shell reports a SIGINT

// The arguments after the program's name.
int RunCli(std::span<const std::string_view> args, const CliEnv& env);

#endif
