// The .ico velmora.exe and velmora-cli.exe carry: the set of images, each
// where its directory entry says, the 32-bit ones holding the drawn pixels
// with their alpha, and the 256-pixel one as PNG.
#include "res/app_icon.h"
#include "res/icon_files.h"
#include "res/png_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

std::uint32_t Le(const std::string& s, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

std::uint32_t Be32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
    return v;
}

// (size, bits) of every image, with its bytes.
std::map<std::pair<int, int>, std::string> Images(const std::string& ico) {
    std::map<std::pair<int, int>, std::string> images;
    const std::size_t count = Le(ico, 4, 2);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int width = static_cast<unsigned char>(ico[entry]);
        const int size = width == 0 ? 256 : width;
        const std::uint32_t bytes = Le(ico, entry + 8, 4), offset = Le(ico, entry + 12, 4);
        EXPECT_EQ(static_cast<unsigned char>(ico[entry + 1]), width);
        EXPECT_LE(offset + bytes, ico.size());
        EXPECT_TRUE(images.emplace(std::pair(size, static_cast<int>(Le(ico, entry + 6, 2))),
                                   ico.substr(offset, bytes)).second);
    }
    return images;
}

TEST(IconFile, HoldsTheOldDepthsTheAlphaImagesAndA256PixelPng) {
    const std::string ico = res::IcoFile();
    ASSERT_GE(ico.size(), 6u + 14 * 16);
    EXPECT_EQ(Le(ico, 0, 2), 0u);
    EXPECT_EQ(Le(ico, 2, 2), 1u);  // an icon
    ASSERT_EQ(Le(ico, 4, 2), 14u);
    const auto images = Images(ico);
    std::set<std::pair<int, int>> seen;
    for (const auto& [key, bytes] : images) seen.insert(key);
    EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{256, 32}, {48, 32}, {32, 32}, {24, 32}, {16, 32},
                                                   {48, 24}, {48, 8}, {48, 4}, {32, 24}, {32, 8}, {32, 4},
                                                   {16, 24}, {16, 8}, {16, 4}}));
    for (const auto& [key, bytes] : images) {
        const auto [size, bits] = key;
        if (size == 256) continue;
        EXPECT_EQ(Le(bytes, 0, 4), 40u);                                       // BITMAPINFOHEADER
        EXPECT_EQ(Le(bytes, 4, 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(Le(bytes, 8, 4), static_cast<std::uint32_t>(2 * size));     // colour + mask
        EXPECT_EQ(Le(bytes, 14, 2), static_cast<std::uint32_t>(bits));
        const std::size_t palette = bits == 4 ? 16 : bits == 8 ? 256 : 0;
        const std::size_t colorRow = (size * bits + 31) / 32 * 4, maskRow = (size + 31) / 32 * 4;
        EXPECT_EQ(bytes.size(), 40 + 4 * palette + (colorRow + maskRow) * size) << size << "/" << bits;
    }
}

// Rows bottom up, each pixel B, G, R, A: the drawn picture, its alpha
// included; the mask hides only what is wholly transparent.
TEST(IconFile, TheAlphaImagesHoldTheDrawnPixels) {
    const auto images = Images(res::IcoFile());
    for (const int size : {48, 32, 24, 16}) {
        const std::string& bytes = images.at({size, 32});
        const std::vector<std::uint32_t> drawn = res::DrawAppIcon(size);
        const std::size_t maskAt = 40 + 4 * static_cast<std::size_t>(size * size);
        const std::size_t maskRow = (size + 31) / 32 * 4;
        int partial = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const std::size_t row = static_cast<std::size_t>(size - 1 - y);
                const std::uint32_t want = drawn[static_cast<std::size_t>(y * size + x)];
                EXPECT_EQ(Le(bytes, 40 + 4 * (row * size + x), 4), want) << size << ": " << x << "," << y;
                const bool hidden = (bytes[maskAt + row * maskRow + x / 8] & (0x80 >> (x % 8))) != 0;
                EXPECT_EQ(hidden, want >> 24 == 0) << size << ": " << x << "," << y;
                partial += (want >> 24) != 0 && (want >> 24) != 255;
            }
        }
        EXPECT_GT(partial, 0) << size << ": edges are smoothed with alpha";
    }
}

TEST(IconFile, The256PixelImageIsAnRgbaPng) {
    const std::string png = Images(res::IcoFile()).at({256, 32});
    ASSERT_GE(png.size(), 33u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(Be32(png, 16), 256u);
    EXPECT_EQ(Be32(png, 20), 256u);
    EXPECT_EQ(png.substr(24, 2), std::string("\x08\x06", 2));  // 8 bits, RGBA
    EXPECT_EQ(png, res::PngFile(256));
}

}  // namespace
