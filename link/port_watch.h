// Tells, without polling, when a serial port may have come or gone, so the
// port list can be made again. One adapter per OS, chosen by the build
// (port_watch_linux.cpp, port_watch_win32.cpp). The frontend's event loop
// wakes it and then asks Changed():
//  - where the system gives a descriptor (Fd() >= 0): once it is readable;
//  - where the system tells a window instead (Fd() < 0): with each message
//    that window receives, forwarded unread.
#ifndef VELMORA_LINK_PORT_WATCH_H
#define VELMORA_LINK_PORT_WATCH_H

#include <cstdint>
#include <memory>
#include <string>

namespace port {

// A window message as the window received it: its number and first word.
// Empty where the system speaks through the descriptor.
struct DeviceNotice {
    unsigned message = 0;
    std::uintptr_t code = 0;
};

class PortWatch {
public:
    // `devRoot`: the folder where ports appear as files, empty for the
    // system's own; tests hand one of their own. Where ports are no files
    // (Windows), it is unused.
    explicit PortWatch(std::string devRoot = {});
    ~PortWatch();
    PortWatch(const PortWatch&) = delete;
    PortWatch& operator=(const PortWatch&) = delete;

    // The descriptor to wait on for reading; -1 when there is none: the
    // system tells a window, or gave no watch (the list is then current
    // only when the drop-down opens).
    int Fd() const;
    // Reads what is pending, never waits; true when a port may have come or
    // gone.
    bool Changed(const DeviceNotice& notice = {});

private:
    struct State;  // the OS's own
    std::unique_ptr<State> m_state;
};

}  // namespace port

#endif
