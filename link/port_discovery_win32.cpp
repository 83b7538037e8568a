// Windows port discovery: the COM names the serial drivers publish under
// HKLM\HARDWARE\DEVICEMAP\SERIALCOMM.
#include "link/port_discovery.h"
#include "link/natural_order.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace port {

std::vector<std::string> PresentPorts() {
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return ports;
    for (DWORD i = 0;; ++i) {
        char name[256], value[256];
        DWORD nameSize = sizeof name, valueSize = sizeof value, type = 0;
        if (::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(value),
                            &valueSize) != ERROR_SUCCESS)
            break;
        if (type == REG_SZ && valueSize > 0) ports.emplace_back(value, ::strnlen(value, valueSize));
    }
    ::RegCloseKey(key);
    // Every port, COM1..COM10 too: the command line looks for a board on
    // each; the panel's list leaves out the names it shows already.
    std::ranges::sort(ports, [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
    return ports;
}

}  // namespace port
