// Calls back from the GLib main loop (the one wx's modal dialogs and GTK's
// message boxes run) whenever a serial port may have come or gone. Event
// driven: the loop waits on the watch's descriptor and wakes only when
// the device folder changes; no timer.
#ifndef VELMORA_APP_WX_WX_PORT_WATCH_H
#define VELMORA_APP_WX_WX_PORT_WATCH_H

#include "link/port_watch.h"

#include <functional>
#include <string>

class WxPortWatch {
public:
    // `devRoot` as for port::PortWatch.
    explicit WxPortWatch(std::function<void()> changed, std::string devRoot = "/dev");
    ~WxPortWatch();
    WxPortWatch(const WxPortWatch&) = delete;
    WxPortWatch& operator=(const WxPortWatch&) = delete;

private:
    port::PortWatch m_watch;
    std::function<void()> m_changed;
    unsigned m_source = 0;  // 0: no watch, the list is current at each drop-down only
};

#endif
