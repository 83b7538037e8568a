// Every command the builders make reads back as what it asks, and bytes no
// builder makes read as unknown.
#include "link/command_reading.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace {

using Kind = CommandReading::Kind;

struct Built {
    const char* name;
    std::function<std::int32_t(std::span<unsigned char>)> build;
    std::uint32_t replyAhead;
    CommandReading expected;
};

const Built kBuilt[] = {
    {"layout", CmdLayout, 0, {.kind = Kind::Layout}},
    {"row 1", [](auto b) { return CmdLocate(b, 1); }, 0, {.kind = Kind::Locate, .row = 1}},
    {"row 4", [](auto b) { return CmdLocate(b, 4); }, 0, {.kind = Kind::Locate, .row = 4}},
    {"text 16", [](auto b) { return CmdText(b, "Ciao", 16); }, 0, {.kind = Kind::Text, .characters = 16}},
    {"text 40", [](auto b) { return CmdText(b, "", 40); }, 0, {.kind = Kind::Text, .characters = 40}},
    {"analog", CmdAnalog, 4, {.kind = Kind::Analog}},
    {"hello", CmdAnalog, 512, {.kind = Kind::Hello}},
    {"temperature 1", [](auto b) { return CmdTemperature(b, 0); }, 0, {.kind = Kind::Temperature1}},
    {"temperature 2", [](auto b) { return CmdTemperature(b, 1); }, 9, {.kind = Kind::Temperature2}},
    {"LED 1 on", [](auto b) { return CmdSwitch(b, Output::Led1, true); }, 0,
     {.kind = Kind::Switch, .output = Output::Led1, .on = true}},
    {"LED 4 off", [](auto b) { return CmdSwitch(b, Output::Led4, false); }, 0,
     {.kind = Kind::Switch, .output = Output::Led4, .on = false}},
    {"buzzer off", [](auto b) { return CmdSwitch(b, Output::Buzzer, false); }, 0,
     {.kind = Kind::Switch, .output = Output::Buzzer, .on = false}},
};

TEST(CommandReading, ReadsEveryBuiltCommandBack) {
    for (const Built& c : kBuilt) {
        std::array<unsigned char, 64> buffer{};
        const auto n = static_cast<std::size_t>(c.build(buffer));
        const CommandReading r = ReadCommand(std::span(buffer).first(n), c.replyAhead);
        EXPECT_EQ(r.kind, c.expected.kind) << c.name;
        EXPECT_EQ(r.row, c.expected.row) << c.name;
        EXPECT_EQ(r.characters, c.expected.characters) << c.name;
        EXPECT_EQ(r.output, c.expected.output) << c.name;
        EXPECT_EQ(r.on, c.expected.on) << c.name;
    }
}

TEST(CommandReading, BytesNoBuilderMakesAreUnknown) {
    const std::string unknown[] = {"", "x", "aa", "l\x12", "l\x51", "LEDb1o", "LEDb1onn", "w"};
    for (const std::string& bytes : unknown) {
        const auto span = std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        EXPECT_EQ(ReadCommand(span, 0).kind, Kind::Unknown) << bytes;
    }
}

}  // namespace
