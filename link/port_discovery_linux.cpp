#include "link/port_discovery.h"
#include "link/port_discovery_linux.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace port {
namespace {

namespace fs = std::filesystem;

// "ttyUSB2" before "ttyUSB10".
bool NaturalLess(const std::string& a, const std::string& b) {
    const auto split = [](const std::string& s) {
        const auto digits = s.find_last_not_of("0123456789") + 1;
        return std::pair{s.substr(0, digits), digits < s.size() ? std::stoul(s.substr(digits)) : 0ul};
    };
    return split(a) < split(b);
}

std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::ranges::sort(names, NaturalLess);
    return names;
}

// 8250 ports exist for every possible UART; only those with a type are there.
bool RealUart(const fs::path& ttyDir) {
    std::ifstream type(ttyDir / "type");
    int value = 0;
    return type >> value && value != 0;
}

}  // namespace

std::vector<std::string> PresentPortsUnder(const std::string& sysRoot, const std::string& devRoot) {
    const fs::path dev(devRoot), tty = fs::path(sysRoot) / "class" / "tty";
    std::vector<std::string> ports;
    for (const std::string& name : Entries(dev / "serial" / "by-id"))
        ports.push_back((dev / "serial" / "by-id" / name).string());
    for (const char* prefix : {"ttyACM", "ttyUSB", "ttyS"}) {
        for (const std::string& name : Entries(tty)) {
            if (!name.starts_with(prefix) || name.size() == std::string_view(prefix).size()) continue;
            std::error_code ec;
            if (!fs::exists(tty / name / "device", ec)) continue;  // virtual consoles and ptys
            if (std::string_view(prefix) == "ttyS" && !RealUart(tty / name)) continue;
            if (fs::exists(dev / name, ec)) ports.push_back((dev / name).string());
        }
    }
    return ports;
}

std::vector<std::string> PresentPorts() { return PresentPortsUnder("/sys", "/dev"); }

}  // namespace port
