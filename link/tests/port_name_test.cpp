// Port names as the OS is given them on Windows.
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

}  // namespace
