// velmora-cli's run in this process, against the simulated board on a
// pseudo-terminal: its output, its warnings and its exit status.
#ifndef VELMORA_APP_CLI_TESTS_CLI_RUN_FIXTURE_H
#define VELMORA_APP_CLI_TESTS_CLI_RUN_FIXTURE_H

#include "app/cli/cli_run.h"
#include "sim/sim_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

struct CliRunFixture {
    sim::SimBoard board;
    std::ostringstream out, err;
    volatile std::sig_atomic_t stop = 0;
    std::vector<std::string> present;  // what port discovery finds
    std::string portVariable;          // $VELMORA_PORT

    int Run(const std::vector<std::string>& args) {
        const std::vector<std::string_view> views(args.begin(), args.end());
        const CliEnv env{out, err, portVariable, [this] { return present; },
                         [] { return std::time_t{1796904300}; }, &stop};
        return RunCli(views, env);
    }

    // The descriptor the run opened on the board's port: the newest one,
    // as the board keeps its own open from the start.
    int RunsDescriptor() const {
        namespace fs = std::filesystem;
        int newest = -1;
        for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
            std::error_code ec;
            if (fs::read_symlink(entry.path(), ec) == board.Path())
                newest = std::max(newest, std::stoi(entry.path().filename().string()));
        }
        return newest;
    }
};

#endif
