// The port combo's list: the fixed entries first, then the ports present.
#include "res/port_list.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

const Names kFixed = {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9", "COM10"};

Names FixedThen(const Names& more) {
    Names all = kFixed;
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

struct ListCase {
    const char* what;
    Names present, listed;
};

class PortList : public ::testing::TestWithParam<ListCase> {};

TEST_P(PortList, FixedEntriesFirstThenThePresentOnesInTheirOrder) {
    EXPECT_EQ(res::PortList(GetParam().present), GetParam().listed) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortList,
    ::testing::Values(
        ListCase{"none present", {}, kFixed},
        ListCase{"the discovery's order is kept, not sorted",
                 {"/dev/serial/by-id/usb-Board-if00 (ttyACM0)", "/dev/ttyACM1", "/dev/ttyS0"},
                 FixedThen({"/dev/serial/by-id/usb-Board-if00 (ttyACM0)", "/dev/ttyACM1", "/dev/ttyS0"})},
        ListCase{"a fixed name present is listed once, at its fixed place",
                 {"COM3", "com10", "COM11"}, FixedThen({"COM11"})},
        ListCase{"a name present twice is listed once", {"COM12", "COM12", "/dev/ttyUSB0"},
                 FixedThen({"COM12", "/dev/ttyUSB0"})},
        ListCase{"other names are told apart by case", {"/dev/ttyS0", "/dev/TTYS0"},
                 FixedThen({"/dev/ttyS0", "/dev/TTYS0"})}));

}  // namespace
