#include "link/port_discovery.h"
#include "link/port_discovery_linux.h"
#include "link/natural_order.h"
#include "link/port_name.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace port {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::ranges::sort(names, [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
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
    const fs::path dev(devRoot), tty = fs::path(sysRoot) / "class" / "tty", byId = dev / "serial" / "by-id";
    std::vector<std::string> ports;
    // A stable name and the tty it leads to are one port: one entry, which
    // says both.
    std::vector<std::string> named;
    for (const std::string& name : Entries(byId)) {
        std::error_code ec;
        const std::string target = fs::read_symlink(byId / name, ec).filename().string();
        ports.push_back(WithNote((byId / name).string(), ec ? std::string() : target));
        if (!ec) named.push_back(target);
    }
    for (const char* prefix : {"ttyACM", "ttyUSB", "ttyS"}) {
        for (const std::string& name : Entries(tty)) {
            if (!name.starts_with(prefix) || name.size() == std::string_view(prefix).size()) continue;
            if (std::ranges::find(named, name) != named.end()) continue;
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
