// Figures for the link and the poll against the simulated board answering
// at once: system calls and heap allocations per command (on a link of its
// own, then the same request with an observer that records nothing), the
// panel's own time in a tick with both acquisitions, without and with the
// "Traffico" log watching the link, and how long a silent
// board holds one tick. Prints a table; asserts nothing.
#include "link/board_commands.h"
#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "res/resource.h"
#include "sim/sim_board.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <vector>

#include <dlfcn.h>
#include <poll.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_counting{false};
std::atomic<long> g_writes{0}, g_reads{0}, g_polls{0}, g_flushes{0}, g_allocs{0};
std::atomic<long long> g_pollNs{0};  // time spent waiting in poll()

template <class F>
F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using Clock = std::chrono::steady_clock;
double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

// Counting wrappers around the calls the port backend makes. Only the
// benchmark's main thread counts (the board's thread is left out).
thread_local bool t_mainThread = false;

extern "C" ssize_t write(int fd, const void* buf, size_t n) {
    static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (g_counting && t_mainThread) ++g_writes;
    return real(fd, buf, n);
}

extern "C" ssize_t read(int fd, void* buf, size_t n) {
    static const auto real = Next<ssize_t (*)(int, void*, size_t)>("read");
    if (g_counting && t_mainThread) ++g_reads;
    return real(fd, buf, n);
}

extern "C" int poll(struct pollfd* fds, nfds_t n, int timeout) {
    static const auto real = Next<int (*)(struct pollfd*, nfds_t, int)>("poll");
    if (!(g_counting && t_mainThread)) return real(fds, n, timeout);
    ++g_polls;
    const auto start = Clock::now();
    const int r = real(fds, n, timeout);
    g_pollNs += std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
    return r;
}

// The drop of stale input before each request.
extern "C" int tcflush(int fd, int queue) {
    static const auto real = Next<int (*)(int, int)>("tcflush");
    if (g_counting && t_mainThread) ++g_flushes;
    return real(fd, queue);
}

void* operator new(std::size_t n) {
    if (g_counting && t_mainThread) ++g_allocs;
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct Counts {
    double writes, reads, polls, flushes, allocs;
};

// The port operations, as the link's own calls make them.
struct BenchLink : CSerialLink {
    using CSerialLink::ReadPort;
    using CSerialLink::WritePort;
    using CSerialLink::m_szBuffer;
};

// Sees every event and keeps none: what building them costs.
struct NullObserver : LinkObserver {
    long events = 0;
    void OnLinkEvent(const LinkEvent&) override { ++events; }
};

Counts Measure(const std::function<void()>& body, int repeat) {
    g_writes = g_reads = g_polls = g_flushes = g_allocs = 0;
    g_counting = true;
    for (int i = 0; i < repeat; ++i) body();
    g_counting = false;
    const auto per = [repeat](long n) { return static_cast<double>(n) / repeat; };
    return {per(g_writes), per(g_reads), per(g_polls), per(g_flushes), per(g_allocs)};
}

}  // namespace

int main() {
    t_mainThread = true;
    sim::SimBoard board;
    if (!board.Ok()) return 1;
    BenchLink link;
    if (!link.Connect(board.Path()).opened) {
        std::fprintf(stderr, "cannot connect to the simulated board\n");
        return 1;
    }
    unsigned char* buf = link.m_szBuffer;
    NullObserver observer;
    const std::string text = "Riga di prova con è e °";

    struct Row {
        const char* name;
        std::function<void()> body;
    };
    const std::vector<Row> commands = {
        {"layout \"c\"", [&] { link.WritePort(CmdLayout({buf, 512})); }},
        {"locate row 1", [&] { link.WritePort(CmdLocate({buf, 512}, 1)); }},
        {"text, 40 columns", [&] { link.WritePort(CmdText({buf, 512}, text, 40)); }},
        {"switch LED 1 off", [&] { link.WritePort(CmdSwitch({buf, 512}, Output::Led1, false)); }},
        {"analog \"a\" + read 4", [&] { link.WritePort(CmdAnalog({buf, 512})); link.ReadPort(4); }},
        {"analog request", [&] { link.ReadAnalog(); }},
        {"analog request, observed", [&] {
             link.SetObserver(&observer);
             link.ReadAnalog();
             link.SetObserver(nullptr);
         }},
    };
    std::printf("%-26s %8s %8s %8s %8s %8s\n", "per command", "write()", "read()", "poll()", "tcflush()",
                "new");
    for (const Row& r : commands) {
        const Counts c = Measure(r.body, 200);
        std::printf("%-26s %8.2f %8.2f %8.2f %8.2f %8.2f\n", r.name, c.writes, c.reads, c.polls,
                    c.flushes, c.allocs);
        // Let the board read what came, so no reply waits behind a flood.
        ::poll(nullptr, 0, 50);
    }
    link.ClosePort();

    FakeView view;
    CPanelDlg dlg(view);
    dlg.OnInitDialog();
    view.text[IDC_COMBO_PORT] = board.Path();
    dlg.OnEvent({PanelEventKind::Click, IDC_BTN_ON});
    if (!dlg.Link().IsOpen()) {
        std::fprintf(stderr, "the panel cannot connect to the simulated board\n");
        return 1;
    }

    // A tick with both acquisitions, the board answering at once.
    view.checked[IDC_CHK_ACQ_ANALOG] = view.checked[IDC_CHK_ACQ_TEMP] = true;
    const auto tick = [&] { dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL}); };
    const Counts t = Measure(tick, 200);
    std::printf("%-26s %8.2f %8.2f %8.2f %8.2f %8.2f\n", "tick, both acquisitions", t.writes,
                t.reads, t.polls, t.flushes, t.allocs);
    // The panel's own time is the tick less its waits in poll().
    const auto timeTicks = [&](const char* heading) {
        std::vector<double> total, own;
        for (int i = 0; i < 300; ++i) {
            g_pollNs = 0;
            g_counting = true;
            const auto start = Clock::now();
            dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL});
            const auto spent = Clock::now() - start;
            g_counting = false;
            total.push_back(Ms(spent));
            own.push_back(Ms(spent) - static_cast<double>(g_pollNs) / 1e6);
        }
        std::ranges::sort(total);
        std::ranges::sort(own);
        std::printf("\n%s (%s, %s):\n", heading, view.text[IDC_ANALOG].c_str(), view.text[IDC_TEMP].c_str());
        std::printf("  whole tick      median %.3f ms, p95 %.3f ms\n", total[150], total[285]);
        std::printf("  panel's own     median %.3f ms, p95 %.3f ms  (target < 1 ms)\n", own[150], own[285]);
    };
    timeTicks("tick, both acquisitions");
    // With "Traffico" open the link reports each exchange to the log,
    // which makes and keeps its lines (the window's drawing is its own).
    dlg.OnEvent({PanelEventKind::SysCommand, IDM_TRAFFIC});
    const Counts traced = Measure(tick, 200);
    std::printf("\n%-26s %8s %8s %8s %8s %8s\n", "with Traffico open", "write()", "read()", "poll()", "tcflush()",
                "new");
    std::printf("%-26s %8.2f %8.2f %8.2f %8.2f %8.2f\n", "tick, both acquisitions", traced.writes,
                traced.reads, traced.polls, traced.flushes, traced.allocs);
    timeTicks("tick with Traffico open");
    std::printf("  log lines held  %zu\n\n", view.traffic->Size());

    board.SetReply(sim::Reply::Never);
    const auto start = Clock::now();
    dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL});
    const double silent = Ms(Clock::now() - start);
    std::printf("\nsilent board, one tick: %.1f ms = %.2f x the read bound of %d ms (target <= 2)\n",
                silent, silent / port::kReadBoundMs, port::kReadBoundMs);
    return 0;
}
