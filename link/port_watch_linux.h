// Tells, without polling, when a serial port may have appeared or gone on
// Linux: an inotify descriptor on the device folder and its serial/ and
// serial/by-id/ folders. The caller waits for Fd() to be readable in its
// own event loop and then asks Changed().
#ifndef VELMORA_LINK_PORT_WATCH_LINUX_H
#define VELMORA_LINK_PORT_WATCH_LINUX_H

#include <string>

namespace port {

class PortWatch {
public:
    // `devRoot` is "/dev" but for tests, which hand it a folder of their own.
    explicit PortWatch(std::string devRoot = "/dev");
    ~PortWatch();
    PortWatch(const PortWatch&) = delete;
    PortWatch& operator=(const PortWatch&) = delete;

    // -1 when the system gave no watch: the list is then current only when
    // the drop-down opens.
    int Fd() const { return m_fd; }
    // Reads what is pending, never waits; true when a name that the port
    // discovery looks at came or went.
    bool Changed();

private:
    // serial/ and serial/by-id/ come and go with the first and last device.
    void WatchFolders();

    std::string m_devRoot;
    int m_fd = -1;
    int m_devWd = -1, m_serialWd = -1, m_byIdWd = -1;
};

}  // namespace port

#endif
