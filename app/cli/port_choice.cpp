#include "app/cli/port_choice.h"

PortChoice ChoosePort(std::string_view option, std::string_view environment,
                      const std::function<std::vector<std::string>()>& present) {
    for (const std::string_view given : {option, environment})
        if (!given.empty()) return {PortChoice::Outcome::Chosen, std::string(given), {}};
    std::vector<std::string> ports = present();
    if (ports.empty()) return {PortChoice::Outcome::NonePresent, {}, {}};
    if (ports.size() > 1) return {PortChoice::Outcome::SeveralPresent, {}, std::move(ports)};
    // The list's note, "(ttyACM0)", is left on: the link opens what stands
    // before it, and the messages name both.
    return {PortChoice::Outcome::Chosen, std::move(ports.front()), {}};
}
