#include "link/port_watch_linux.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
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

PortWatch::PortWatch(std::string devRoot) : m_devRoot(std::move(devRoot)) {
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    WatchFolders();
}

PortWatch::~PortWatch() {
    if (m_fd >= 0) ::close(m_fd);
}

void PortWatch::WatchFolders() {
    if (m_fd < 0) return;
    // Watching a folder again gives its watch back; a missing one gives -1.
    m_devWd = ::inotify_add_watch(m_fd, m_devRoot.c_str(), kComeOrGo);
    m_serialWd = ::inotify_add_watch(m_fd, (m_devRoot + "/serial").c_str(), kComeOrGo);
    m_byIdWd = ::inotify_add_watch(m_fd, (m_devRoot + "/serial/by-id").c_str(), kComeOrGo);
}

bool PortWatch::Changed() {
    if (m_fd < 0) return false;
    bool changed = false;
    alignas(inotify_event) std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer.data(), buffer.size());
        if (n <= 0) break;  // EAGAIN: all read
        for (ssize_t at = 0; at < n;) {
            inotify_event event;
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const std::string_view name(buffer.data() + at + sizeof event,
                                        ::strnlen(buffer.data() + at + sizeof event, event.len));
            if ((event.mask & kComeOrGo) != 0 &&
                (event.wd != m_devWd || SerialName(name)))
                changed = true;
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
    if (changed) WatchFolders();
    return changed;
}

}  // namespace port
