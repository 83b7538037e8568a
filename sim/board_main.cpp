// velmora-board: the simulated board without a window. Prints the port path
// it serves, optionally links a name to it (so "COM3" in a working folder
// leads to it), and logs every byte it receives until interrupted.
#include "sim/sim_board.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }

struct ReplyName {
    std::string_view name;
    sim::Reply mode;
};
constexpr ReplyName kReplies[] = {
    {"normal", sim::Reply::Normal}, {"late", sim::Reply::Late},       {"never", sim::Reply::Never},
    {"short", sim::Reply::Short},   {"zero", sim::Reply::ZeroByte}, {"extra", sim::Reply::Extra},
};

int Usage() {
    std::fprintf(stderr,
                 "usage: velmora-board [--link NAME] [--reply normal|late=MS|never|short|zero|extra]\n"
                 "                     [--analog 0..1023] [--temp CELSIUS]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    sim::SimBoard board;
    if (!board.Ok()) {
        std::fprintf(stderr, "velmora-board: cannot open a pseudo-terminal\n");
        return 1;
    }
    std::string link;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--link" && hasValue) {
            link = argv[++i];
        } else if (arg == "--analog" && hasValue) {
            board.SetAnalog(std::atoi(argv[++i]));
        } else if (arg == "--temp" && hasValue) {
            board.SetTemperature(std::atof(argv[++i]));
        } else if (arg == "--reply" && hasValue) {
            const std::string_view value = argv[++i];
            const std::string_view name = value.substr(0, value.find('='));
            bool known = false;
            for (const ReplyName& r : kReplies) {
                if (r.name != name) continue;
                const auto eq = value.find('=');
                board.SetReply(r.mode, eq == std::string_view::npos ? 0 : std::atoi(value.data() + eq + 1));
                known = true;
            }
            if (!known) return Usage();
        } else {
            return Usage();
        }
    }
    if (!link.empty()) {
        ::unlink(link.c_str());  // a link left by an earlier run
        if (::symlink(board.Path().c_str(), link.c_str()) != 0) {
            std::fprintf(stderr, "velmora-board: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
            return 1;
        }
    }
    std::printf("%s\n", board.Path().c_str());
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::size_t shown = 0, bytesShown = 0;
    while (g_stop == 0) {
        board.WaitForBytes(bytesShown + 1, std::chrono::milliseconds(200));
        const std::vector<sim::Chunk> chunks = board.Chunks();
        for (; shown < chunks.size(); ++shown) {
            for (const unsigned char c : chunks[shown].bytes) std::printf("%02X ", c);
            std::printf("\n");
            bytesShown += chunks[shown].bytes.size();
        }
        std::fflush(stdout);
    }
    if (!link.empty()) ::unlink(link.c_str());
    return 0;
}
