// velmora-cli.exe: the same run on Windows. The console hands arguments and
// the environment over in UTF-16, so they are taken as such and passed on in
// UTF-8 (the CLI's text); output to a console goes back in UTF-16, leaving
// the console's code page as the user had it. Ctrl+C comes as SIGINT from
// the C runtime; Windows has no SIGPIPE.
#include "app/cli/cli_run.h"
#include "app/cli/console_text_win32.h"
#include "app/cli/wall_clock.h"
#include "app/win32/win32_text.h"
#include "link/port_discovery.h"

#include <windows.h>

#include <csignal>
#include <cstdlib>
#include <iostream>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnStop(int) { g_stop = 1; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::signal(SIGINT, OnStop);
    std::signal(SIGTERM, OnStop);
    std::vector<std::string> utf8;
    for (int i = 1; i < argc; ++i) utf8.push_back(Utf8(argv[i]));
    const std::vector<std::string_view> args(utf8.begin(), utf8.end());
    const wchar_t* variable = ::_wgetenv(L"VELMORA_PORT");
    const std::string port = variable != nullptr ? Utf8(variable) : std::string();
    StdOutput out(STD_OUTPUT_HANDLE, std::cout), err(STD_ERROR_HANDLE, std::cerr);
    const CliEnv env{out.Stream(), err.Stream(), port, port::PresentPorts, WallClockNow,
                     &g_stop};
    return RunCli(args, env);
}
