// The serial ports present on this machine: the port list offers them
// after its fixed entries, the command line looks for a board on them.
// One file per OS, chosen by the build.
#ifndef VELMORA_LINK_PORT_DISCOVERY_H
#define VELMORA_LINK_PORT_DISCOVERY_H

#include <string>
#include <vector>

namespace port {

// Names to open, most stable first (on Windows in number order).
std::vector<std::string> PresentPorts();

}  // namespace port

#endif
