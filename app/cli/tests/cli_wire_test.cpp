// A velmora-cli session and the same actions in the panel put the same
// bytes on the wire, in the same writes, with input dropped at the same
// points. Every write() and tcflush() on the board's port is recorded at
// the OS boundary, so nothing above it can hide a split or merged write.
#include "app/cli/tests/cli_run_fixture.h"
#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "res/resource.h"

#include <cstdio>
#include <mutex>

#include <dlfcn.h>
#include <termios.h>
#include <unistd.h>

namespace wire {

std::mutex mutex;
std::string port;  // the path whose descriptors are recorded; empty: none
std::vector<std::string> events;

bool OnPort(int fd) {
    std::lock_guard lock(mutex);
    if (port.empty()) return false;
    char link[64], target[256];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target);
    return n > 0 && std::string_view(target, static_cast<std::size_t>(n)) == port;
}

void Record(std::string event) {
    std::lock_guard lock(mutex);
    events.push_back(std::move(event));
}

std::vector<std::string> Take() {
    std::lock_guard lock(mutex);
    return std::exchange(events, {});
}

}  // namespace wire

extern "C" ssize_t write(int fd, const void* buf, size_t n) {
    using Real = ssize_t (*)(int, const void*, size_t);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "write"));
    if (wire::OnPort(fd)) wire::Record("write " + std::string(static_cast<const char*>(buf), n));
    return real(fd, buf, n);
}

extern "C" int tcflush(int fd, int queue) {
    using Real = int (*)(int, int);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "tcflush"));
    if (wire::OnPort(fd)) wire::Record(queue == TCIFLUSH ? "discard" : "flush");
    return real(fd, queue);
}

namespace {

const std::string kRow1 = "Ciao \xC3\xA8 \xE2\x82\xAC";  // "Ciao è €"
const std::string kRow4 = "Temperatura ok: 100%";       // exactly 20

// The session both sides carry out: connect at 20 columns, the layout, two
// rows, LEDs and the buzzer, each reading, and two watch readings.
const std::vector<std::string> kCliArgs = {"-c", "20", "layout", "row", "1", kRow1, "row", "4", kRow4,
                                           "led", "1", "on", "led", "3", "on", "led", "3", "off",
                                           "buzzer", "on", "temp", "analog", "hello",
                                           "watch", "-i", "0.05", "-n", "2"};

const std::vector<std::string> kExpected = {
    "discard",  // after the connect
    "write c",
    "write l\x11", "write wCiao \xE8 \x80" + std::string(12, ' '),
    "write l\x41", "write w" + kRow4,
    "write LEDb1on", "write LEDb2on", "write LEDb2off", "write PWM1on",
    "discard", "write T", "write t",  // temp
    "discard", "write a",             // analog
    "discard", "write a",             // hello
    "discard", "write a", "discard", "write T", "write t",  // a watch reading, as a tick with both
    "discard", "write a", "discard", "write T", "write t",
};

std::vector<std::string> CliSession() {
    CliRunFixture cli;
    std::vector<std::string> args = {"-p", cli.board.Path()};
    args.insert(args.end(), kCliArgs.begin(), kCliArgs.end());
    wire::port = cli.board.Path();
    const int status = cli.Run(args);
    EXPECT_EQ(status, 0) << cli.err.str();
    EXPECT_EQ(cli.out.str().substr(0, 14), "23.5\n512\n0512\n");
    wire::port.clear();
    return wire::Take();
}

std::vector<std::string> PanelSession() {
    FakeView view;
    sim::SimBoard board;
    CPanelDlg dlg{view, [] { return LocalTime{}; }};
    dlg.OnInitDialog();
    const auto click = [&](int id) { dlg.OnEvent({PanelEventKind::Click, id}); };
    const auto tick = [&](bool analog, bool temp) {
        view.checked[IDC_CHK_ACQ_ANALOG] = analog;
        view.checked[IDC_CHK_ACQ_TEMP] = temp;
        dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL});
    };
    const auto toggle = [&](int id, bool pressed) {
        view.checked[id] = pressed;
        click(id);
        tick(false, false);  // the exchange takes the toggle's state in
    };
    wire::port = board.Path();
    view.text[IDC_COMBO_PORT] = board.Path();
    click(IDC_BTN_ON);
    view.text[IDC_COMBO_COLUMNS] = "20";
    click(IDC_BTN_LAYOUT);
    view.text[IDC_EDIT_ROW1] = kRow1;
    click(IDC_BTN_ROW1);
    view.text[IDC_EDIT_ROW4] = kRow4;
    click(IDC_BTN_ROW4);
    toggle(IDC_CHK_LED1, true);
    toggle(IDC_CHK_LED3, true);
    toggle(IDC_CHK_LED3, false);
    toggle(IDC_CHK_BUZ, true);
    tick(false, true);
    tick(true, false);
    click(IDC_BTN_HELLO);
    tick(true, true);
    tick(true, true);
    click(IDC_BTN_OFF);
    EXPECT_TRUE(view.messages.empty()) << view.messages.front();
    wire::port.clear();
    return wire::Take();
}

TEST(CliWire, ASessionSendsWhatThePanelSendsForTheSameActions) {
    const std::vector<std::string> cli = CliSession();
    EXPECT_EQ(cli, kExpected);
    EXPECT_EQ(PanelSession(), cli);
}

}  // namespace
