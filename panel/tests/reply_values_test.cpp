// The values read from the board's replies: what each read gives when the
// board answers normally and what reaches the field when it does not.
#include "panel/reply_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct TemperatureCase {
    std::string reply;  // the field's text after the read
    std::optional<double> value;
};

class TemperatureReply : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureReply, GivesItsValueOrNone) {
    EXPECT_EQ(ParseTemperature(GetParam().reply), GetParam().value) << '"' << GetParam().reply << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Replies, TemperatureReply,
    ::testing::Values(
        TemperatureCase{"  +23.5°C", 23.5},   // a real board: 9 bytes, signed
        TemperatureCase{" 23.5°C", 23.5},     // the simulated board, zero padding cut off
        TemperatureCase{" 21.0°C", 21.0},
        TemperatureCase{"  -5.0°C", -5.0},
        TemperatureCase{"-12.5°C", -12.5},
        TemperatureCase{"125.0°C", 125.0},
        TemperatureCase{"  +0.0°C", 0.0},
        // The read faults.
        TemperatureCase{" 23.", std::nullopt},        // short: half the reply
        TemperatureCase{"  +23", std::nullopt},
        TemperatureCase{" 2", std::nullopt},          // a zero byte ends the text
        TemperatureCase{" 23.5°CXY", std::nullopt},   // extra bytes in the text
        TemperatureCase{"  +23.5°CXY", std::nullopt},
        TemperatureCase{"", std::nullopt},            // late or silent: nothing came
        TemperatureCase{"#########", std::nullopt},   // garbage
        TemperatureCase{"0512", std::nullopt},        // the other read's reply
        TemperatureCase{" 23.5", std::nullopt},       // no unit
        TemperatureCase{" 23.5°F", std::nullopt},
        TemperatureCase{" 23.55°C", std::nullopt},
        TemperatureCase{" 23,5°C", std::nullopt},
        TemperatureCase{"1234.5°C", std::nullopt},
        TemperatureCase{"  +.5°C", std::nullopt},
        TemperatureCase{"+-1.0°C", std::nullopt},
        TemperatureCase{" 23.5°C ", std::nullopt},
        TemperatureCase{"---°C", std::nullopt},
        TemperatureCase{"102.3°C", 102.3},
        TemperatureCase{" 23.5C", std::nullopt},      // no degree sign
        TemperatureCase{"   .5°C", std::nullopt},
        TemperatureCase{"  23.°C", std::nullopt},
        TemperatureCase{" 2x.5°C", std::nullopt},
        TemperatureCase{"  inf°C", std::nullopt},
        TemperatureCase{" 1e2.0°C", std::nullopt}));    // the field before any read

struct AnalogCase {
    std::string reply;
    std::optional<int> value;
};

class AnalogReply : public ::testing::TestWithParam<AnalogCase> {};

TEST_P(AnalogReply, GivesItsValueOrNone) {
    EXPECT_EQ(ParseAnalog(GetParam().reply), GetParam().value) << '"' << GetParam().reply << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Replies, AnalogReply,
    ::testing::Values(
        AnalogCase{"0512", 512}, AnalogCase{"0000", 0}, AnalogCase{"1023", 1023},
        AnalogCase{"0731", 731},
        // The read faults.
        AnalogCase{"05", std::nullopt},       // short, or a zero byte after two
        AnalogCase{"0512XY", std::nullopt},   // extra bytes in the text
        AnalogCase{"", std::nullopt},         // late or silent
        AnalogCase{"####", std::nullopt},     // garbage
        AnalogCase{" 23.5°C", std::nullopt},  // the other read's reply
        AnalogCase{"1024", std::nullopt},     // beyond ten bits
        AnalogCase{"9999", std::nullopt},
        AnalogCase{" 512", std::nullopt}, AnalogCase{"+512", std::nullopt},
        AnalogCase{"512", std::nullopt}, AnalogCase{"05 2", std::nullopt},
        AnalogCase{"---", std::nullopt},
        AnalogCase{"-512", std::nullopt}, AnalogCase{"05x2", std::nullopt},
        AnalogCase{"05120", std::nullopt}));

}  // namespace
