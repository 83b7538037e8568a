#include "link/cp1252.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace cp1252 {
namespace {

// 0x80..0x9F; the five bytes the code page leaves unassigned map to the
// C1 controls of the same value, as Windows converts them.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ToCodePoint(unsigned char b) { return b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b; }

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
    constexpr char32_t kBad = 0xFFFD;
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, cp = lead & 0x07;
    } else {
        ++pos;
        return kBad;
    }
    if (pos + extra >= s.size()) {  // cut short
        ++pos;
        return kBad;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return kBad;
        }
        cp = cp << 6 | (c & 0x3F);
    }
    constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kBad;
    }
    pos += extra + 1;
    return cp;
}

unsigned char FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    const auto it = std::find(kHigh.begin(), kHigh.end(), cp);
    return it != kHigh.end() ? static_cast<unsigned char>(0x80 + (it - kHigh.begin())) : '?';
}

std::string ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t pos = 0, n = 0;
    while (pos < utf8.size()) {
        NextCodePoint(utf8, pos);
        ++n;
    }
    return n;
}

}  // namespace cp1252
