// The port watch on Windows: it reads the device-change messages that the
// panel's window forwards; there is no descriptor.
//
// What the platform lacks: a notice without a window. Windows 7 tells of a
// port that arrives or is removed only by WM_DEVICECHANGE, sent to every
// top-level window (a callback without one came with Windows 8, and the
// build keeps to Windows 7's API). So the window forwards each message
// here, unread.
#include "link/port_watch.h"

#include <windows.h>

#include <dbt.h>

namespace port {

struct PortWatch::State {};

PortWatch::PortWatch(std::string) : m_state(std::make_unique<State>()) {}

PortWatch::~PortWatch() = default;

int PortWatch::Fd() const { return -1; }

bool PortWatch::Changed(const DeviceNotice& notice) {
    // Arrival and completed removal; the queries before a removal and the
    // device tree's own changes name no port that came or went.
    return notice.message == WM_DEVICECHANGE &&
           (notice.code == DBT_DEVICEARRIVAL || notice.code == DBT_DEVICEREMOVECOMPLETE);
}

}  // namespace port
