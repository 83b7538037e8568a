#include "sim/sim_board.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace sim {
namespace {

struct SwitchCommand {
    std::string_view text;
    int output;  // 0..3 LEDs, 4 buzzer
    bool on;
};
// Longer strings first, so "LEDb1off" is not read as "LEDb1o...".
constexpr SwitchCommand kSwitches[] = {
    {"LEDb1off", 0, false}, {"LEDb2off", 2, false}, {"LEDroff", 1, false},
    {"LEDvoff", 3, false},  {"PWM1off", 4, false},  {"LEDb1on", 0, true},
    {"LEDb2on", 2, true},   {"LEDron", 1, true},    {"LEDvon", 3, true},
    {"PWM1on", 4, true},
};

}  // namespace

SimBoard::SimBoard() {
    m_state.display.fill(std::string(BoardState::kColumns, ' '));
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        if (master >= 0) ::close(master);
        return;
    }
    char name[128];
    if (::ptsname_r(master, name, sizeof name) != 0 || ::pipe2(m_wake, O_CLOEXEC) != 0) {
        ::close(master);
        return;
    }
    m_path = name;
    m_slaveKeep = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios t{};
    if (m_slaveKeep >= 0 && ::tcgetattr(m_slaveKeep, &t) == 0) {
        ::cfmakeraw(&t);  // no echo of replies back to the board
        ::tcsetattr(m_slaveKeep, TCSANOW, &t);
    }
    m_master = master;
    m_thread = std::thread([this] { Serve(); });
}

SimBoard::~SimBoard() { Vanish(); }

void SimBoard::Vanish() {
    if (m_thread.joinable()) {
        m_stop = true;
        const char wake = 1;
        [[maybe_unused]] const auto n = ::write(m_wake[1], &wake, 1);
        m_thread.join();
    }
    for (int* fd : {&m_master, &m_slaveKeep, &m_wake[0], &m_wake[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

void SimBoard::SetReply(Reply mode, int lateMs) {
    std::lock_guard lock(m_mutex);
    m_reply = mode;
    m_lateMs = lateMs;
}

void SimBoard::SetAnalog(int value) {
    std::lock_guard lock(m_mutex);
    m_state.analog = std::clamp(value, 0, 1023);
}

void SimBoard::SetTemperature(double celsius) {
    std::lock_guard lock(m_mutex);
    m_state.temperature = celsius;
}

void SimBoard::Inject(std::string_view bytes) {
    [[maybe_unused]] const auto n = ::write(m_master, bytes.data(), bytes.size());
}

std::string SimBoard::Received() const {
    std::lock_guard lock(m_mutex);
    std::string all;
    for (const Chunk& c : m_chunks) all += c.bytes;
    return all;
}

std::vector<Chunk> SimBoard::Chunks() const {
    std::lock_guard lock(m_mutex);
    return {m_chunks.begin(), m_chunks.end()};
}

std::vector<Chunk> SimBoard::ChunksFrom(std::uint64_t number) const {
    std::lock_guard lock(m_mutex);
    const auto first = std::ranges::find_if(m_chunks, [&](const Chunk& c) { return c.number >= number; });
    return {first, m_chunks.end()};
}

void SimBoard::ClearReceived() {
    std::lock_guard lock(m_mutex);
    m_chunks.clear();
    m_kept = 0;
    m_total = 0;
    m_reads = 0;
}

bool SimBoard::WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, timeout, [&] { return m_total >= count; });
}

BoardState SimBoard::State() const {
    std::lock_guard lock(m_mutex);
    return m_state;
}

std::string SimBoard::AnalogReply(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04d", std::clamp(value, 0, 1023));
    return text;
}

std::string SimBoard::TemperatureReply(double celsius) {
    // " 23.5", the degree sign in Windows-1252, "C", zero padding: 9 bytes.
    char text[16];
    std::snprintf(text, sizeof text, "%5.1f\xB0" "C", std::clamp(celsius, -99.9, 999.9));
    std::string reply(text);
    reply.resize(9, '\0');
    return reply;
}

void SimBoard::Serve() {
    while (!m_stop) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        const int n = ::poll(fds, 2, -1);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || (fds[1].revents & POLLIN) != 0) break;
        char buf[4096];
        const ssize_t got = ::read(m_master, buf, sizeof buf);
        if (got <= 0) {
            // No slave side open (EIO): wait a little rather than spin.
            ::poll(nullptr, 0, 5);
            continue;
        }
        const std::string chunk(buf, static_cast<std::size_t>(got));
        const auto at = std::chrono::steady_clock::now();
        Handle(chunk);
        {
            // Counted once handled, so a waiter sees the state it changed.
            std::lock_guard lock(m_mutex);
            m_chunks.push_back({at, chunk, m_reads++});
            m_kept += chunk.size();
            m_total += chunk.size();
            while (m_chunks.size() > 1 && m_kept > kKeptBytes) {
                m_kept -= m_chunks.front().bytes.size();
                m_chunks.pop_front();
            }
        }
        m_arrived.notify_all();
        std::lock_guard notifying(m_notifyMutex);
        if (m_onReceived) m_onReceived();
    }
}

void SimBoard::OnReceived(std::function<void()> notify) {
    std::lock_guard lock(m_notifyMutex);
    m_onReceived = std::move(notify);
}

void SimBoard::Handle(const std::string& chunk) {
    // The panel writes each command in one write(), which reaches the
    // board whole; a read can hold several when the board was slow.
    std::size_t i = 0;
    while (i < chunk.size()) {
        const std::string_view rest = std::string_view(chunk).substr(i);
        std::unique_lock lock(m_mutex);
        BoardState& s = m_state;
        switch (rest[0]) {
        case 'c':
            s.display.fill(std::string(BoardState::kColumns, ' '));
            s.cursorRow = 1;
            lock.unlock();
            Done();
            ++i;
            continue;
        case 'l':
            if (rest.size() >= 2) {
                const int row = static_cast<unsigned char>(rest[1]) >> 4;
                if (row >= 1 && row <= BoardState::kRows) s.cursorRow = row;
            }
            lock.unlock();
            Done();
            i += 2;
            continue;
        case 'w': {
            // The text command has no length on the wire: it is the rest of the read.
            const std::string_view text = rest.substr(1, BoardState::kColumns);
            std::string& line = s.display[static_cast<std::size_t>(s.cursorRow - 1)];
            line.replace(0, text.size(), text);
            lock.unlock();
            Done();
            i = chunk.size();
            continue;
        }
        case 'a': {
            const std::string reply = AnalogReply(s.analog);
            lock.unlock();
            Answer(reply);
            Done();
            ++i;
            continue;
        }
        case 'T':
            m_tempArmed = true;
            lock.unlock();
            Done();
            ++i;
            continue;
        case 't':
            if (m_tempArmed) {
                m_tempArmed = false;
                const std::string reply = TemperatureReply(s.temperature);
                lock.unlock();
                Answer(reply);
            } else {
                lock.unlock();
            }
            Done();
            ++i;
            continue;
        default:
            break;
        }
        const auto sw = std::ranges::find_if(
            kSwitches, [&](const SwitchCommand& c) { return rest.starts_with(c.text); });
        if (sw != std::end(kSwitches)) {
            if (sw->output < 4)
                s.leds[static_cast<std::size_t>(sw->output)] = sw->on;
            else
                s.buzzer = sw->on;
            lock.unlock();
            Done();
            i += sw->text.size();
        } else {
            ++i;  // not a command: the board ignores it
        }
    }
}

void SimBoard::Answer(std::string reply) {
    Reply mode;
    int lateMs;
    {
        std::lock_guard lock(m_mutex);
        mode = m_reply;
        lateMs = m_lateMs;
    }
    switch (mode) {
    case Reply::Normal: break;
    case Reply::Late: {
        // Waits on the wake pipe, so that ending the board never waits for a late reply.
        pollfd wake{m_wake[0], POLLIN, 0};
        if (::poll(&wake, 1, lateMs) > 0) return;
        break;
    }
    case Reply::Never: return;
    case Reply::Short: reply.resize(reply.size() / 2); break;
    case Reply::ZeroByte: reply[2] = '\0'; break;
    case Reply::Extra: reply += "XY"; break;
    case Reply::Crlf: reply += "\r\n"; break;
    case Reply::Chatty: break;
    }
    [[maybe_unused]] const auto n = ::write(m_master, reply.data(), reply.size());
}

void SimBoard::Done() {
    {
        std::lock_guard lock(m_mutex);
        if (m_reply != Reply::Chatty) return;
    }
    [[maybe_unused]] const auto n = ::write(m_master, &kStrayByte, 1);
}

}  // namespace sim
