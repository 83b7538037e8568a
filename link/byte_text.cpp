#include "link/byte_text.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void PutHex(std::string& out, unsigned char byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

}  // namespace

std::string BytesAsText(std::span<const unsigned char> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const unsigned char byte : bytes) {
        // '<' too, so that a "<11>" on the line is never read as the byte 0x11.
        if (byte >= 0x20 && byte <= 0x7E && byte != '<') {
            out += static_cast<char>(byte);
        } else {
            out += '<';
            PutHex(out, byte);
            out += '>';
        }
    }
    return out;
}

std::string BytesAsHex(std::span<const unsigned char> bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const unsigned char byte : bytes) {
        if (!out.empty()) out += ' ';
        PutHex(out, byte);
    }
    return out;
}
