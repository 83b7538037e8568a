// Linux port discovery against a fake /sys and /dev.
#include "link/port_discovery_linux.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct FakeTree : ::testing::Test {
    // One tree per test and process: ctest runs tests side by side.
    fs::path root = fs::path(::testing::TempDir()) /
                    ("velmora-ports-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path sys = root / "sys", dev = root / "dev";

    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(sys / "class" / "tty");
        fs::create_directories(dev);
    }
    void TearDown() override { fs::remove_all(root); }

    // A tty as sysfs shows it: with a device link or without, and the UART
    // type that 8250 ports carry.
    void Tty(const std::string& name, bool device, const char* uartType = nullptr, bool node = true) {
        const fs::path dir = sys / "class" / "tty" / name;
        fs::create_directories(dir);
        if (device) fs::create_directories(dir / "device");
        if (uartType != nullptr) std::ofstream(dir / "type") << uartType << "\n";
        if (node) std::ofstream(dev / name);
    }
};

TEST_F(FakeTree, OffersStableNamesThenUsbAcmAndRealUartsInNaturalOrder) {
    fs::create_directories(dev / "serial" / "by-id");
    std::ofstream(dev / "serial" / "by-id" / "usb-Microchip_PIC18F2550_Board-if00");
    Tty("ttyUSB10", true);
    Tty("ttyUSB2", true);
    Tty("ttyACM0", true);
    Tty("ttyACM1", true, nullptr, false);  // unplugged: no node
    Tty("ttyS0", true, "4");               // a 16550A
    Tty("ttyS1", true, "0");               // an 8250 slot with no UART
    Tty("ttyS2", false);
    Tty("tty1", false);                    // a virtual console
    Tty("ttyprintk", true);
    const std::string d = dev.string();
    EXPECT_EQ(port::PresentPortsUnder(sys.string(), d),
              (std::vector<std::string>{d + "/serial/by-id/usb-Microchip_PIC18F2550_Board-if00",
                                        d + "/ttyACM0", d + "/ttyUSB2", d + "/ttyUSB10",
                                        d + "/ttyS0"}));
}

TEST_F(FakeTree, NothingThereGivesNothing) {
    EXPECT_TRUE(port::PresentPortsUnder(sys.string(), dev.string()).empty());
    EXPECT_TRUE(port::PresentPortsUnder((root / "none").string(), (root / "none").string()).empty());
}

TEST_F(FakeTree, AStableNameAndItsTtyAreOneEntryThatSaysBoth) {
    fs::create_directories(dev / "serial" / "by-id");
    fs::create_symlink("../../ttyACM0", dev / "serial" / "by-id" / "usb-Velmora_Board_42-if00");
    Tty("ttyACM0", true);
    Tty("ttyACM1", true);
    const std::string d = dev.string();
    EXPECT_EQ(port::PresentPortsUnder(sys.string(), d),
              (std::vector<std::string>{d + "/serial/by-id/usb-Velmora_Board_42-if00 (ttyACM0)",
                                        d + "/ttyACM1"}));
}

TEST_F(FakeTree, NamesEndingInLongNumbersAreListedInOrder) {
    fs::create_directories(dev / "serial" / "by-id");
    const std::string big = "usb-Board_" + std::string(30, '9');
    const std::string bigger = "usb-Board_1" + std::string(30, '0');
    std::ofstream(dev / "serial" / "by-id" / bigger);
    std::ofstream(dev / "serial" / "by-id" / big);
    const std::string d = dev.string();
    EXPECT_EQ(port::PresentPortsUnder(sys.string(), d),
              (std::vector<std::string>{d + "/serial/by-id/" + big, d + "/serial/by-id/" + bigger}));
}

}  // namespace
