#include "res/port_list.h"

#include "res/dialog_templates.h"
#include "res/resource.h"

#include <algorithm>

namespace res {
namespace {

bool SameWindowsName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

}  // namespace

std::vector<std::string> PortList(const std::vector<std::string>& present) {
    const auto& controls = PanelTemplate().controls;
    const auto port = std::ranges::find(controls, IDC_COMBO_PORT, &ControlTemplate::id);
    const std::vector<std::string_view> fixed = ShownList(*port);
    std::vector<std::string> list(fixed.begin(), fixed.end());
    for (const std::string& name : present) {
        // The fixed entries are Windows names, which ignore case; the
        // discovery's own names are compared as they are.
        if (std::ranges::any_of(fixed, [&](std::string_view f) { return SameWindowsName(f, name); }) ||
            std::ranges::find(list, name) != list.end())
            continue;
        list.push_back(name);
    }
    return list;
}

}  // namespace res
