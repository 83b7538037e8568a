// The port watch on Linux: an inotify descriptor on the device folder and
// its serial/ and serial/by-id/ folders, for the frontend's loop to wait on.
// Window messages are not needed and are ignored.
//
// What the platform lacks: a notice that names serial ports. inotify tells
// of every name in the device folder, so the watch keeps to the names the
// port discovery reads; and it cannot watch a folder that does not exist
// yet (serial/ before the first device), so the folders are watched again
// after each change.
#include "link/port_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <string_view>

namespace port {
namespace {

constexpr std::uint32_t kComeOrGo = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

// The device folder's names that PresentPortsUnder reads.
bool SerialName(std::string_view name) {
    for (std::string_view prefix : {"ttyACM", "ttyUSB", "ttyS", "serial"})
        if (name.starts_with(prefix)) return true;
    return false;
}

}  // namespace

struct PortWatch::State {
    std::string devRoot;
    int fd = -1;
    int devWd = -1, serialWd = -1, byIdWd = -1;

    // serial/ and serial/by-id/ come and go with the first and last device.
    void WatchFolders() {
        if (fd < 0) return;
        // Watching a folder again gives its watch back; a missing one gives -1.
        devWd = ::inotify_add_watch(fd, devRoot.c_str(), kComeOrGo);
        serialWd = ::inotify_add_watch(fd, (devRoot + "/serial").c_str(), kComeOrGo);
        byIdWd = ::inotify_add_watch(fd, (devRoot + "/serial/by-id").c_str(), kComeOrGo);
    }
};

PortWatch::PortWatch(std::string devRoot) : m_state(std::make_unique<State>()) {
    m_state->devRoot = devRoot.empty() ? "/dev" : std::move(devRoot);
    m_state->fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    m_state->WatchFolders();
}

PortWatch::~PortWatch() {
    if (m_state->fd >= 0) ::close(m_state->fd);
}

int PortWatch::Fd() const { return m_state->fd; }

bool PortWatch::Changed(const DeviceNotice&) {
    State& s = *m_state;
    if (s.fd < 0) return false;
    bool changed = false;
    alignas(inotify_event) std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t n = ::read(s.fd, buffer.data(), buffer.size());
        if (n <= 0) break;  // EAGAIN: all read
        for (ssize_t at = 0; at < n;) {
            inotify_event event;
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const std::string_view name(buffer.data() + at + sizeof event,
                                        ::strnlen(buffer.data() + at + sizeof event, event.len));
            if ((event.mask & kComeOrGo) != 0 && (event.wd != s.devWd || SerialName(name)))
                changed = true;
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
    if (changed) s.WatchFolders();
    return changed;
}

}  // namespace port
