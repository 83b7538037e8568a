// Which port a run opens: the one named with -p, else $VELMORA_PORT, else
// the only serial port present. With none or several present the run
// cannot guess, and says so.
#ifndef VELMORA_APP_CLI_PORT_CHOICE_H
#define VELMORA_APP_CLI_PORT_CHOICE_H

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct PortChoice {
    enum class Outcome { Chosen, NonePresent, SeveralPresent };
    Outcome outcome = Outcome::Chosen;
    std::string port;                 // when Chosen
    std::vector<std::string> present; // when SeveralPresent: to name them
};

// `present` is asked only when neither name is given.
PortChoice ChoosePort(std::string_view option, std::string_view environment,
                      const std::function<std::vector<std::string>()>& present);

#endif
