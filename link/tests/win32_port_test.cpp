// The Win32 port backend under Wine. Without a board: names that cannot be
// a port. With VELMORA_TEST_PORT naming a COM port that leads to the
// simulated board (the test script maps it in the Wine prefix): settings,
// exclusivity, writes, reads and the read bound.
#include "link/tests/test_link.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

TEST(Win32Port, NamesThatAreNoPortFailTheOpen) {
    for (const std::string name : {"", "COM250", "\\\\.\\COM251", "C:\\no\\such\\file"}) {
        TestLink link;
        EXPECT_FALSE(link.Open(name)) << name;
        EXPECT_EQ(link.m_hComm, port::kNoPort);
    }
}

TEST(Win32Port, AFileOpensButHasNoPortSettingsAndIsClosedAgain) {
    const std::string path = "velmora-not-a-port.txt";
    std::ofstream(path) << "x";
    TestLink link;
    ASSERT_TRUE(link.Open(path));
    EXPECT_EQ(link.ConfigureLine(), TestLink::ConfigureResult::GetStateFailed);
    EXPECT_EQ(link.m_bResult, 0);
    EXPECT_EQ(link.m_hComm, port::kNoPort);
    std::remove(path.c_str());
}

struct MappedPort : ::testing::Test {
    std::string name;
    TestLink link;
    void SetUp() override {
        const char* env = std::getenv("VELMORA_TEST_PORT");
        if (env == nullptr) GTEST_SKIP() << "VELMORA_TEST_PORT names no mapped port";
        name = env;
        ASSERT_TRUE(link.Open(name));
        ASSERT_EQ(link.ConfigureLine(), TestLink::ConfigureResult::Ok);
    }
    void TearDown() override { link.ClosePort(); }
};

TEST_F(MappedPort, SettingsReadBackAs115200EightNoneOne) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(reinterpret_cast<HANDLE>(link.m_hComm), &dcb));
    EXPECT_EQ(dcb.BaudRate, 115200u);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_TRUE(link.ProbePort());
}

TEST_F(MappedPort, APortIsOpenedOnceAtATime) {
    // Wine does not apply share modes to serial devices; Windows does.
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr)
        GTEST_SKIP() << "share modes on serial devices need Windows itself";
    TestLink second;
    EXPECT_FALSE(second.Open(name));
}

TEST_F(MappedPort, AnalogReadGetsTheBoardsFourBytes) {
    ASSERT_TRUE(link.WritePort(link.Put("a")));
    EXPECT_EQ(link.m_dwTransferred, 1u);
    ASSERT_TRUE(link.ReadPort(4));
    EXPECT_EQ(link.ReplyText(), "0512");
}

TEST_F(MappedPort, DiscardDropsAReplyLeftUnread) {
    ASSERT_TRUE(link.WritePort(link.Put("a")));
    ASSERT_TRUE(link.WritePort(link.Put("a")));
    ASSERT_TRUE(link.ReadPort(4));
    ::Sleep(100);  // the second reply is waiting now
    link.DiscardInput();
    ASSERT_TRUE(link.WritePort(link.Put("a")));
    ASSERT_TRUE(link.ReadPort(8));
    EXPECT_EQ(link.ReplyText(), "0512");
}

// The port's baud rate as a plain open of another program finds it, or
// sets it; 0 when it cannot be opened.
DWORD BaudRate(const std::string& name, DWORD set = 0) {
    const HANDLE h = CreateFileA(("\\\\.\\" + name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (GetCommState(h, &dcb) && set != 0) {
        dcb.BaudRate = set;
        SetCommState(h, &dcb);
        GetCommState(h, &dcb);
    }
    CloseHandle(h);
    return dcb.BaudRate;
}

TEST_F(MappedPort, CloseGivesThePortBackTheSettingsItHad) {
    link.ClosePort();
    ASSERT_EQ(BaudRate(name, CBR_9600), 9600u);
    ASSERT_TRUE(link.Open(name));
    ASSERT_EQ(link.ConfigureLine(), TestLink::ConfigureResult::Ok);
    link.ClosePort();
    EXPECT_EQ(BaudRate(name), 9600u);
}

TEST_F(MappedPort, AReadWithNoReplyEndsAtTheBound) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(link.ReadPort(4));
    const auto held = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(link.m_dwTransferred, 0u);
    EXPECT_LT(held, std::chrono::milliseconds(5 * port::kReadBoundMs));
}

}  // namespace
