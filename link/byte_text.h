// A run of line bytes as a person reads it: as text, with the bytes that
// print as themselves kept and every other one in hex, and as plain hex.
#ifndef VELMORA_LINK_BYTE_TEXT_H
#define VELMORA_LINK_BYTE_TEXT_H

#include <span>
#include <string>

// Printable ASCII (0x20..0x7E) as itself, '<' and every other byte as
// "<hh>" in upper-case hex: "l" 0x11 reads "l<11>". The result is ASCII.
std::string BytesAsText(std::span<const unsigned char> bytes);
// "6C 11": two upper-case hex digits a byte, one space between.
std::string BytesAsHex(std::span<const unsigned char> bytes);

#endif
