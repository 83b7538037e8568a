// The serial ports present on this machine, for the port list to offer
// after its fixed entries. One file per OS, chosen by the build.
#ifndef VELMORA_LINK_PORT_DISCOVERY_H
#define VELMORA_LINK_PORT_DISCOVERY_H

#include <string>
#include <vector>

namespace port {

// Names to open, most stable first, without the fixed list's COM1..COM10.
std::vector<std::string> PresentPorts();

}  // namespace port

#endif
