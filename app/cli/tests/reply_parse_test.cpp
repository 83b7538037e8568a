// Replies as the board sends them parse; cut, garbled or padded ones give
// nothing, never 0.
#include "app/cli/reply_parse.h"

#include <gtest/gtest.h>

namespace {

struct TemperatureCase {
    std::string_view reply;
    std::optional<double> value;
};

class TemperatureReplies : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureReplies, ParseOnlyWhenWhole) {
    EXPECT_EQ(ParseTemperature(GetParam().reply), GetParam().value) << GetParam().reply;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, TemperatureReplies,
    ::testing::Values(TemperatureCase{" 23.5\xC2\xB0" "C", 23.5}, TemperatureCase{"  0.0\xC2\xB0" "C", 0.0},
                      TemperatureCase{" -5.5\xC2\xB0" "C", -5.5}, TemperatureCase{"102.3\xC2\xB0" "C", 102.3},
                      TemperatureCase{"", std::nullopt},
                      TemperatureCase{" 23.", std::nullopt},         // cut short
                      TemperatureCase{" 2", std::nullopt},           // a zero byte came early
                      TemperatureCase{" 23.5C", std::nullopt},       // no degree sign
                      TemperatureCase{" 23.5\xC2\xB0" "CXY", std::nullopt},
                      TemperatureCase{"   .5\xC2\xB0" "C", std::nullopt},
                      TemperatureCase{"  23.\xC2\xB0" "C", std::nullopt},
                      TemperatureCase{" 2x.5\xC2\xB0" "C", std::nullopt},
                      TemperatureCase{"  inf\xC2\xB0" "C", std::nullopt},
                      TemperatureCase{" 1e2.0\xC2\xB0" "C", std::nullopt}));

struct AnalogCase {
    std::string_view reply;
    std::optional<int> value;
};

class AnalogReplies : public ::testing::TestWithParam<AnalogCase> {};

TEST_P(AnalogReplies, ParseOnlyFourDigitsUpTo1023) {
    EXPECT_EQ(ParseAnalog(GetParam().reply), GetParam().value) << GetParam().reply;
}

INSTANTIATE_TEST_SUITE_P(Cli, AnalogReplies,
                         ::testing::Values(AnalogCase{"0512", 512}, AnalogCase{"0000", 0}, AnalogCase{"1023", 1023},
                                           AnalogCase{"1024", std::nullopt}, AnalogCase{"05", std::nullopt},
                                           AnalogCase{"", std::nullopt}, AnalogCase{"512", std::nullopt},
                                           AnalogCase{"-512", std::nullopt}, AnalogCase{" 512", std::nullopt},
                                           AnalogCase{"05x2", std::nullopt}, AnalogCase{"05120", std::nullopt}));

}  // namespace
