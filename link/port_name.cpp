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

std::string WithNote(std::string name, std::string_view note) {
    if (!note.empty()) name.append(" (").append(note).append(")");
    return name;
}

std::string_view WithoutNote(std::string_view shown) {
    const std::size_t open = shown.rfind(" (");
    return shown.ends_with(')') && open != std::string_view::npos ? shown.substr(0, open) : shown;
}

}  // namespace port
