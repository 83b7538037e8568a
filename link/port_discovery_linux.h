// Linux port discovery over a given file tree, so that tests can hand it a
// fake /sys and /dev.
#ifndef VELMORA_LINK_PORT_DISCOVERY_LINUX_H
#define VELMORA_LINK_PORT_DISCOVERY_LINUX_H

#include <string>
#include <vector>

namespace port {

// The /dev/serial/by-id/ names (users ask for these: they survive
// re-plugging), then /dev/ttyACM*, /dev/ttyUSB* and the /dev/ttyS* that
// sysfs shows with a device and a known UART type, each in natural order.
std::vector<std::string> PresentPortsUnder(const std::string& sysRoot, const std::string& devRoot);

}  // namespace port

#endif
