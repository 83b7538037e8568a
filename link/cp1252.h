// Windows-1252, the code page the board's display takes: one byte per
// character. The window's text is UTF-8.
#ifndef VELMORA_LINK_CP1252_H
#define VELMORA_LINK_CP1252_H

#include <cstddef>
#include <string>
#include <string_view>

namespace cp1252 {

// Calls `sink(byte)` for each character of the UTF-8 text, at most `limit`
// characters; a character the code page cannot hold, or a malformed
// sequence, gives '?'. Returns the number of characters taken.
template <class Sink>
std::size_t EncodeEach(std::string_view utf8, std::size_t limit, Sink&& sink);

// The bytes as UTF-8 text; each byte is one character.
std::string ToUtf8(std::string_view bytes);

// Number of characters in UTF-8 text (what the length rule counts).
std::size_t CharCount(std::string_view utf8);

// One character: the code point decoded from `utf8` at `pos`, advancing pos.
// Malformed input yields U+FFFD and advances one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

// The code page's byte for a code point, or '?' when it has none.
unsigned char FromCodePoint(char32_t cp);

template <class Sink>
std::size_t EncodeEach(std::string_view utf8, std::size_t limit, Sink&& sink) {
    std::size_t pos = 0, taken = 0;
    while (pos < utf8.size() && taken < limit) {
        sink(FromCodePoint(NextCodePoint(utf8, pos)));
        ++taken;
    }
    return taken;
}

}  // namespace cp1252

#endif
