// velmora-cli on Linux: the arguments and environment as they come, stdout
// and stderr, the clock, and INT, TERM, HUP and QUIT as the stop that ends a
// watch cleanly, with the port's settings given back.
#include "app/cli/cli_run.h"
#include "link/port_discovery.h"

#include <csignal>
#include <cstdlib>
#include <iostream>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnStop(int) { g_stop = 1; }

}  // namespace

int main(int argc, char** argv) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) std::signal(sig, OnStop);
    // A reader that goes away (watch | head) is noticed as a write failing
    // with EPIPE, so the port is still closed and restored rather than the
    // run killed.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const char* variable = std::getenv("VELMORA_PORT");
    const CliEnv env{std::cout, std::cerr, variable != nullptr ? variable : "", port::PresentPorts,
                     WallClockNow, &g_stop};
    return RunCli(args, env);
}
