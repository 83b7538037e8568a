// Port names as the OS is given them on Windows.
#include "link/natural_order.h"
#include "link/port_name.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    std::string typed, opened;
};

class DevicePath : public ::testing::TestWithParam<NameCase> {};

TEST_P(DevicePath, ComNamesGoThroughTheDeviceNamespace) {
    EXPECT_EQ(port::DevicePath(GetParam().typed), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(Names, DevicePath,
                         ::testing::Values(NameCase{"COM3", R"(\\.\COM3)"},
                                           NameCase{"COM10", R"(\\.\COM10)"},
                                           NameCase{"com12", R"(\\.\com12)"},
                                           NameCase{R"(\\.\COM4)", R"(\\.\COM4)"},
                                           NameCase{R"(\\server\pipe)", R"(\\server\pipe)"},
                                           NameCase{"COM", "COM"}, NameCase{"COM1x", "COM1x"},
                                           NameCase{"COMx1", "COMx1"}, NameCase{"", ""},
                                           NameCase{"/dev/ttyUSB0", "/dev/ttyUSB0"},
                                           NameCase{"LPT1", "LPT1"}));

class Note : public ::testing::TestWithParam<NameCase> {};

TEST_P(Note, TheNameToOpenIsWhatStandsBeforeTheNote) {
    EXPECT_EQ(port::WithoutNote(GetParam().typed), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Names, Note,
    ::testing::Values(NameCase{"/dev/serial/by-id/usb-Board-if00 (ttyACM0)", "/dev/serial/by-id/usb-Board-if00"},
                      NameCase{"/dev/ttyUSB0", "/dev/ttyUSB0"}, NameCase{"COM3", "COM3"},
                      NameCase{"", ""}, NameCase{" (x)", ""},
                      NameCase{"/dev/tty(1)", "/dev/tty(1)"},  // no space: part of the name
                      NameCase{"a (b) (c)", "a (b)"}));

TEST(Note, RoundTrips) {
    EXPECT_EQ(port::WithNote("/dev/x", "ttyACM0"), "/dev/x (ttyACM0)");
    EXPECT_EQ(port::WithNote("/dev/x", ""), "/dev/x");
    EXPECT_EQ(port::WithoutNote(port::WithNote("/dev/x", "ttyACM0")), "/dev/x");
}

struct OrderCase {
    std::string before, after;
};

class NaturalOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(NaturalOrder, NumbersCountAsNumbersOfAnyLength) {
    EXPECT_TRUE(port::NaturalLess(GetParam().before, GetParam().after));
    EXPECT_FALSE(port::NaturalLess(GetParam().after, GetParam().before));
}

INSTANTIATE_TEST_SUITE_P(
    Names, NaturalOrder,
    ::testing::Values(OrderCase{"ttyUSB2", "ttyUSB10"}, OrderCase{"COM9", "COM10"},
                      OrderCase{"ttyACM9", "ttyUSB0"}, OrderCase{"usb-x", "usb-x0"},
                      OrderCase{"id-" + std::string(30, '9'), "id-1" + std::string(30, '0')},
                      OrderCase{"id-" + std::string(40, '1'), "id-" + std::string(39, '1') + "2"},
                      OrderCase{"a7", "a07"}));

}  // namespace
