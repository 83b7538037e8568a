#include "link/port_name.h"

#include <algorithm>

namespace port {

std::string DevicePath(std::string_view name) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    const bool com = name.size() > 3 && upper(name[0]) == 'C' && upper(name[1]) == 'O' &&
                     upper(name[2]) == 'M' &&
                     std::all_of(name.begin() + 3, name.end(), [](char c) { return c >= '0' && c <= '9'; });
    return com ? "\\\\.\\" + std::string(name) : std::string(name);
}

}  // namespace port
