// -p first, then $VELMORA_PORT, then the only port present.
#include "app/cli/port_choice.h"

#include <gtest/gtest.h>

namespace {

using Outcome = PortChoice::Outcome;

struct ChoiceCase {
    std::string_view option, environment;
    std::vector<std::string> present;
    Outcome outcome;
    std::string port;
};

class PortChoices : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PortChoices, TakeTheFirstNameGivenElseTheOnlyPortPresent) {
    const ChoiceCase& c = GetParam();
    bool asked = false;
    const PortChoice choice = ChoosePort(c.option, c.environment, [&] {
        asked = true;
        return c.present;
    });
    EXPECT_EQ(choice.outcome, c.outcome);
    EXPECT_EQ(choice.port, c.port);
    EXPECT_EQ(asked, c.option.empty() && c.environment.empty());  // no scan when a name was given
    EXPECT_EQ(choice.present, c.outcome == Outcome::SeveralPresent ? c.present : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cli, PortChoices,
    ::testing::Values(
        ChoiceCase{"/dev/ttyUSB0", "/dev/ttyACM0", {"/dev/ttyS0", "/dev/ttyS1"}, Outcome::Chosen, "/dev/ttyUSB0"},
        ChoiceCase{"", "/dev/ttyACM0", {"/dev/ttyS0", "/dev/ttyS1"}, Outcome::Chosen, "/dev/ttyACM0"},
        ChoiceCase{"", "", {"/dev/serial/by-id/usb-Board-if00 (ttyACM0)"}, Outcome::Chosen,
                   "/dev/serial/by-id/usb-Board-if00 (ttyACM0)"},
        ChoiceCase{"", "", {}, Outcome::NonePresent, ""},
        ChoiceCase{"", "", {"/dev/ttyACM0", "/dev/ttyUSB0"}, Outcome::SeveralPresent, ""}));

}  // namespace
