// Prints the port list the panel must offer now, one entry a line: the
// accessibility test compares the open drop-down with it.
#include "link/port_discovery.h"
#include "res/port_list.h"

#include <cstdio>

int main() {
    for (const std::string& name : res::PortList(port::PresentPorts())) std::printf("%s\n", name.c_str());
    return 0;
}
