// The application icon as a PNG image, for desktop icon themes. Built only
// for the build machine: it needs zlib.
#ifndef VELMORA_RES_PNG_FILE_H
#define VELMORA_RES_PNG_FILE_H

#include <cstdint>
#include <string>
#include <vector>

namespace res {

// The icon drawn at `size` pixels, as an 8-bit RGBA PNG.
std::string PngFile(int size);

// An image of width*height 0xAARRGGBB pixels, top row first, as an 8-bit
// RGBA PNG: each row filtered the way that leaves it smallest, then deflated.
// Empty when zlib fails.
std::string EncodePng(const std::vector<std::uint32_t>& argb, int width, int height);

}  // namespace res

#endif
