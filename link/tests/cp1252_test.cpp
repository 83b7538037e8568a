// Text to the display's code page and replies back to text.
#include "link/cp1252.h"

#include <gtest/gtest.h>

namespace {

std::string Encode(std::string_view utf8, std::size_t limit = 100) {
    std::string out;
    cp1252::EncodeEach(utf8, limit, [&](unsigned char b) { out += static_cast<char>(b); });
    return out;
}

struct EncodeCase {
    std::string utf8;
    std::string bytes;
};

class Cp1252Encode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Cp1252Encode, EachCharacterIsOneByte) { EXPECT_EQ(Encode(GetParam().utf8), GetParam().bytes); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Cp1252Encode,
    ::testing::Values(EncodeCase{"Riga 1", "Riga 1"},
                      EncodeCase{"è°€", "\xE8\xB0\x80"},
                      EncodeCase{"perché così", "perch\xE9 cos\xEC"},
                      EncodeCase{"“ok” – …", "\x93ok\x94 \x96 \x85"},
                      EncodeCase{"日本", "??"},           // not in the code page
                      EncodeCase{"😀x", "?x"},            // four-byte sequence, one character
                      EncodeCase{"a\xFF" "b", "a?b"},     // malformed byte
                      EncodeCase{"a\xC3", "a?"},          // cut-off sequence
                      EncodeCase{"\xED\xA0\x80", "???"},  // surrogate: each byte
                      EncodeCase{"\xC0\xAF", "??"},       // overlong
                      EncodeCase{std::string("\x11\0x", 3), std::string("\x11\0x", 3)}));

TEST(Cp1252, EncodingStopsAtTheLimitInCharacters) {
    EXPECT_EQ(Encode("èèèè", 2), "\xE8\xE8");
    EXPECT_EQ(cp1252::EncodeEach("àbc", 10, [](unsigned char) {}), 3u);
}

TEST(Cp1252, RepliesDecodeOneCharacterPerByte) {
    EXPECT_EQ(cp1252::ToUtf8(" 23.5\xB0" "C"), " 23.5°C");
    EXPECT_EQ(cp1252::ToUtf8("\x80\x81\x9F"), "€\xC2\x81Ÿ");
    EXPECT_EQ(cp1252::ToUtf8("0512"), "0512");
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Encode(cp1252::ToUtf8(byte)), byte) << b;
    }
}

TEST(Cp1252, CharCountCountsCharacters) {
    EXPECT_EQ(cp1252::CharCount(""), 0u);
    EXPECT_EQ(cp1252::CharCount("Riga 1"), 6u);
    EXPECT_EQ(cp1252::CharCount("è°€日😀"), 5u);
}

}  // namespace
