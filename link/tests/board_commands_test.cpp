// Every command's bytes, as the builders write them into the link buffer.
#include "link/board_commands.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

using namespace std::string_literals;

struct CommandCase {
    const char* name;
    std::function<std::int32_t(std::span<unsigned char>)> build;
    std::string bytes;
};

class Builder : public ::testing::TestWithParam<CommandCase> {};

TEST_P(Builder, WritesTheCommandAtTheStartAndGivesItsCount) {
    std::array<unsigned char, 512> buffer;
    buffer.fill(0xEE);
    const std::int32_t count = GetParam().build(buffer);
    ASSERT_EQ(count, static_cast<std::int32_t>(GetParam().bytes.size()));
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + count), GetParam().bytes);
    EXPECT_EQ(buffer[static_cast<std::size_t>(count)], 0xEE);  // nothing beyond
}

const auto Text = [](std::string text, int n) {
    return [=](std::span<unsigned char> b) { return CmdText(b, text, n); };
};
const auto Switch = [](Output o, bool on) {
    return [=](std::span<unsigned char> b) { return CmdSwitch(b, o, on); };
};

INSTANTIATE_TEST_SUITE_P(
    Commands, Builder,
    ::testing::Values(
        CommandCase{"layout", CmdLayout, "c"},
        CommandCase{"locate 1", [](auto b) { return CmdLocate(b, 1); }, "l\x11"},
        CommandCase{"locate 2", [](auto b) { return CmdLocate(b, 2); }, "l!"},
        CommandCase{"locate 3", [](auto b) { return CmdLocate(b, 3); }, "l1"},
        CommandCase{"locate 4", [](auto b) { return CmdLocate(b, 4); }, "lA"},
        CommandCase{"text short", Text("Riga 3", 20), "wRiga 3              "},
        CommandCase{"text exact", Text("12345678", 8), "w12345678"},
        CommandCase{"text long", Text("1234567890", 8), "w12345678"},
        CommandCase{"text empty", Text("", 16), "w" + std::string(16, ' ')},
        CommandCase{"text 40", Text("è", 40), "w\xE8" + std::string(39, ' ')},
        CommandCase{"analog", CmdAnalog, "a"},
        CommandCase{"temperature 1", [](auto b) { return CmdTemperature(b, 0); }, "T"},
        CommandCase{"temperature 2", [](auto b) { return CmdTemperature(b, 1); }, "t"},
        CommandCase{"LED 1 on", Switch(Output::Led1, true), "LEDb1on"},
        CommandCase{"LED 1 off", Switch(Output::Led1, false), "LEDb1off"},
        CommandCase{"LED 2 on", Switch(Output::Led2, true), "LEDron"},
        CommandCase{"LED 2 off", Switch(Output::Led2, false), "LEDroff"},
        CommandCase{"LED 3 on", Switch(Output::Led3, true), "LEDb2on"},
        CommandCase{"LED 3 off", Switch(Output::Led3, false), "LEDb2off"},
        CommandCase{"LED 4 on", Switch(Output::Led4, true), "LEDvon"},
        CommandCase{"LED 4 off", Switch(Output::Led4, false), "LEDvoff"},
        CommandCase{"buzzer on", Switch(Output::Buzzer, true), "PWM1on"},
        CommandCase{"buzzer off", Switch(Output::Buzzer, false), "PWM1off"}));

}  // namespace
