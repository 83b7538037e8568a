// The port combo's list: the template's fixed entries, then the ports
// present. Both frontends rewrite their list from this whenever the ports
// may have changed.
#ifndef VELMORA_RES_PORT_LIST_H
#define VELMORA_RES_PORT_LIST_H

#include <string>
#include <vector>

namespace res {

// COM1 .. COM10 in the template's order, then `present` in its order. A
// present name already listed (a fixed entry in any case, or the same name
// earlier) is not listed again.
std::vector<std::string> PortList(const std::vector<std::string>& present);

}  // namespace res

#endif
