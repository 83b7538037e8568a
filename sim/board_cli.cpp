#include "sim/board_cli.h"

#include "link/cp1252.h"
#include "res/dialog_templates.h"
#include "sim/temperature_entry.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sim {
namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnStopSignal(int) { g_stop = 1; }

struct ReplyName {
    std::string_view name;
    Reply mode;
};
// "late" is the older name of "slow", still taken so that scripts keep working.
constexpr ReplyName kReplies[] = {
    {"normal", Reply::Normal}, {"slow", Reply::Late},      {"late", Reply::Late},
    {"never", Reply::Never},   {"short", Reply::Short},    {"zero", Reply::ZeroByte},
    {"extra", Reply::Extra},   {"crlf", Reply::Crlf},      {"chatty", Reply::Chatty},
};

// The whole text as a whole number in [low, high].
bool ParseInt(std::string_view text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && at == end && value >= low && value <= high;
}

// As the window's field takes it: a decimal comma or point, within range.
bool ReadTemperature(std::string_view text, double& celsius) {
    const TemperatureEntry entry = ReadTemperatureEntry(text);
    if (entry.verdict != TemperatureEntry::Verdict::Taken) return false;
    celsius = entry.celsius;
    return true;
}

bool ParseReply(std::string_view value, BoardOptions& options) {
    const auto eq = value.find('=');
    const std::string_view name = value.substr(0, eq);
    const auto it = std::ranges::find(kReplies, name, &ReplyName::name);
    if (it == std::end(kReplies)) return false;
    // Only "slow" takes a number, and it must have one.
    if ((it->mode == Reply::Late) != (eq != std::string_view::npos)) return false;
    options.reply = it->mode;
    options.lateMs = 0;
    return it->mode != Reply::Late || ParseInt(value.substr(eq + 1), 0, kLateMaxMs, options.lateMs);
}

}  // namespace

std::string UsageText() {
    char text[512];
    std::snprintf(text, sizeof text,
                  "usage: velmora-board [--no-window] [--link NAME] [--analog 0..%d] [--temp %g..%g]\n"
                  "                     [--reply normal|slow=0..%d|never|short|zero|extra|crlf|chatty]\n"
                  "       velmora-board --help | --version\n",
                  kAnalogMax, kTemperatureMin, kTemperatureMax, kLateMaxMs);
    return text;
}

bool ParseBoardOptions(int argc, char** argv, BoardOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }
        if (arg == "--no-window") {
            options.window = false;
            continue;
        }
        const bool takesValue = arg == "--link" || arg == "--analog" || arg == "--temp" || arg == "--reply";
        if (!takesValue) {
            error = "unknown option '" + std::string(arg) + "'";
            return false;
        }
        if (i + 1 >= argc) {
            error = std::string(arg) + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        bool ok = true;
        if (arg == "--link")
            ok = !value.empty();
        else if (arg == "--analog")
            ok = ParseInt(value, 0, kAnalogMax, options.analog);
        else if (arg == "--temp")
            ok = ReadTemperature(value, options.temperature);
        else
            ok = ParseReply(value, options);
        if (!ok) {
            error = "bad value '" + value + "' for " + std::string(arg);
            return false;
        }
        if (arg == "--link") options.link = value;
    }
    return true;
}

std::optional<int> StartBoard(int argc, char** argv, SimBoard& board, BoardOptions& options) {
    std::string error;
    if (!ParseBoardOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "velmora-board: %s\n%s", error.c_str(), UsageText().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("velmora-board %s\n", res::VersionText().c_str());
        return 0;
    }
    if (!board.Ok()) {
        std::fprintf(stderr, "velmora-board: cannot open a pseudo-terminal\n");
        return 1;
    }
    board.SetAnalog(options.analog);
    board.SetTemperature(options.temperature);
    board.SetReply(options.reply, options.lateMs);
    CatchStopSignals();  // before the link exists, so a stop always removes it
    if (const int failed = MakeLink(board, options.link)) return failed;
    std::printf("%s\n", board.Path().c_str());
    std::fflush(stdout);
    return std::nullopt;
}

int MakeLink(const SimBoard& board, const std::string& link) {
    if (link.empty()) return 0;
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            std::fprintf(stderr, "velmora-board: %s exists and is not a symbolic link; it is left as it is\n",
                         link.c_str());
            return 2;
        }
    } else if (errno != ENOENT) {
        std::fprintf(stderr, "velmora-board: cannot check %s: %s\n", link.c_str(), std::strerror(errno));
        return 1;
    }
    // A new link beside it, renamed over the name: an old link is replaced
    // in one step, and nothing else can be put there meanwhile unnoticed.
    const std::string fresh = link + ".velmora-board." + std::to_string(::getpid());
    if (::symlink(board.Path().c_str(), fresh.c_str()) == 0) {
        if (::rename(fresh.c_str(), link.c_str()) == 0) return 0;
        const int err = errno;
        ::unlink(fresh.c_str());
        errno = err;
    }
    std::fprintf(stderr, "velmora-board: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
    return 1;
}

void RemoveLink(const SimBoard& board, const std::string& link) {
    if (link.empty()) return;
    char target[4096];
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target);
    if (n > 0 && std::string_view(target, static_cast<std::size_t>(n)) == board.Path()) ::unlink(link.c_str());
}

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int sig : {SIGHUP, SIGINT, SIGTERM}) ::sigaction(sig, &action, nullptr);
}

bool StopRequested() { return g_stop != 0; }

void LogUntilStopped(SimBoard& board) {
    std::uint64_t next = 0;  // the number of the first read not shown yet
    while (!StopRequested()) {
        ::poll(nullptr, 0, 50);  // a stop signal cuts it short
        for (const Chunk& chunk : board.ChunksFrom(next)) {
            if (chunk.number > next)
                std::printf("(%llu reads dropped from the record before they were shown)\n",
                            static_cast<unsigned long long>(chunk.number - next));
            std::printf("%s\n", HexLine(chunk.bytes).c_str());
            next = chunk.number + 1;
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

std::vector<std::string> DumpLines(const std::string& bytes) {
    constexpr std::size_t kPerLine = 16;
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < bytes.size(); from += kPerLine) {
        const std::string part = bytes.substr(from, kPerLine);
        std::string line = HexLine(part);
        line.resize(kPerLine * 3 + 1, ' ');
        for (const unsigned char c : part) line += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '.';
        lines.push_back(std::move(line));
    }
    return lines;
}

void PrintState(const SimBoard& board) {
    const BoardState s = board.State();
    for (std::size_t r = 0; r < s.display.size(); ++r)
        std::printf("row %zu: |%s|\n", r + 1, cp1252::ToUtf8(s.display[r]).c_str());
    std::printf("LED: %d %d %d %d BUZ: %d\n", s.leds[0], s.leds[1], s.leds[2], s.leds[3], s.buzzer);
    std::fflush(stdout);
}

}  // namespace sim
