#include "sim/board_cli.h"

#include "link/cp1252.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <unistd.h>

namespace sim {
namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }

struct ReplyName {
    std::string_view name;
    Reply mode;
};
constexpr ReplyName kReplies[] = {
    {"normal", Reply::Normal}, {"late", Reply::Late},      {"never", Reply::Never},
    {"short", Reply::Short},   {"zero", Reply::ZeroByte}, {"extra", Reply::Extra},
};

bool Usage() {
    std::fprintf(stderr,
                 "usage: velmora-board [--no-window] [--link NAME] [--analog 0..1023] [--temp CELSIUS]\n"
                 "                     [--reply normal|late=MS|never|short|zero|extra]\n");
    return false;
}

}  // namespace

bool ParseBoardOptions(int argc, char** argv, SimBoard& board, BoardOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--no-window") {
            options.window = false;
        } else if (arg == "--link" && hasValue) {
            options.link = argv[++i];
        } else if (arg == "--analog" && hasValue) {
            board.SetAnalog(std::atoi(argv[++i]));
        } else if (arg == "--temp" && hasValue) {
            board.SetTemperature(std::atof(argv[++i]));
        } else if (arg == "--reply" && hasValue) {
            const std::string_view value = argv[++i];
            const auto eq = value.find('=');
            const std::string_view name = value.substr(0, eq);
            const auto it = std::find_if(std::begin(kReplies), std::end(kReplies),
                                         [&](const ReplyName& r) { return r.name == name; });
            if (it == std::end(kReplies)) return Usage();
            board.SetReply(it->mode, eq == std::string_view::npos ? 0 : std::atoi(value.data() + eq + 1));
        } else {
            return Usage();
        }
    }
    return true;
}

int StartBoard(int argc, char** argv, SimBoard& board, BoardOptions& options) {
    if (!board.Ok()) {
        std::fprintf(stderr, "velmora-board: cannot open a pseudo-terminal\n");
        return 1;
    }
    if (!ParseBoardOptions(argc, argv, board, options)) return 2;
    if (!MakeLink(board, options.link)) return 1;
    std::printf("%s\n", board.Path().c_str());
    std::fflush(stdout);
    return 0;
}

bool MakeLink(const SimBoard& board, const std::string& link) {
    if (link.empty()) return true;
    ::unlink(link.c_str());  // a link left by an earlier run
    if (::symlink(board.Path().c_str(), link.c_str()) == 0) return true;
    std::fprintf(stderr, "velmora-board: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
    return false;
}

void RemoveLink(const std::string& link) {
    if (!link.empty()) ::unlink(link.c_str());
}

void LogUntilStopped(SimBoard& board) {
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::size_t shown = 0, bytesShown = 0;
    while (g_stop == 0) {
        board.WaitForBytes(bytesShown + 1, std::chrono::milliseconds(200));
        const std::vector<Chunk> chunks = board.Chunks();
        for (; shown < chunks.size(); ++shown) {
            std::printf("%s\n", HexLine(chunks[shown].bytes).c_str());
            bytesShown += chunks[shown].bytes.size();
        }
        std::fflush(stdout);
    }
}

std::string HexLine(const std::string& bytes) {
    std::string line;
    char hex[4];
    for (const unsigned char c : bytes) {
        std::snprintf(hex, sizeof hex, "%02X ", c);
        line += hex;
    }
    return line;
}

void PrintState(const SimBoard& board) {
    const BoardState s = board.State();
    for (std::size_t r = 0; r < s.display.size(); ++r)
        std::printf("row %zu: |%s|\n", r + 1, cp1252::ToUtf8(s.display[r]).c_str());
    std::printf("LED: %d %d %d %d BUZ: %d\n", s.leds[0], s.leds[1], s.leds[2], s.leds[3], s.buzzer);
    std::fflush(stdout);
}

}  // namespace sim
