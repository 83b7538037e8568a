// Line bytes as a person reads them in the traffic views.
#include "link/byte_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

struct Shown {
    std::string_view bytes;
    const char* text;
    const char* hex;
};

constexpr Shown kCases[] = {
    {"", "", ""},
    {"a", "a", "61"},
    {"l\x11", "l<11>", "6C 11"},
    {"0512\r\n", "0512<0D><0A>", "30 35 31 32 0D 0A"},
    {std::string_view("05\0" "2", 4), "05<00>2", "30 35 00 32"},
    {"w\xE9t\xE0", "w<E9>t<E0>", "77 E9 74 E0"},  // Windows-1252 letters are bytes above 0x7E
    {" ~\x7F", " ~<7F>", "20 7E 7F"},
    {"<11>", "<3C>11>", "3C 31 31 3E"},  // a '<' on the line never reads as a hex byte
};

TEST(ByteText, ShowsPrintableBytesAsThemselvesAndTheRestInHex) {
    for (const Shown& c : kCases) {
        const auto bytes = std::span(reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size());
        EXPECT_EQ(BytesAsText(bytes), c.text) << c.hex;
        EXPECT_EQ(BytesAsHex(bytes), c.hex) << c.text;
    }
}

}  // namespace
