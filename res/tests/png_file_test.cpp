// The icon's PNG images: read back with zlib and the PNG filters, they give
// the pixels drawn, and the largest stays small.
#include "res/app_icon.h"
#include "res/png_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>

namespace {

std::uint32_t Be32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
    return v;
}

// The pixels of a PNG that EncodePng wrote (one IDAT), as 0xAARRGGBB.
std::vector<std::uint32_t> Decode(const std::string& png, int width, int height) {
    const std::size_t idat = png.find("IDAT");
    const std::uint32_t length = Be32(png, idat - 4);
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    std::string raw((stride + 1) * static_cast<std::size_t>(height), '\0');
    uLongf rawSize = raw.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                         reinterpret_cast<const Bytef*>(png.data() + idat + 4), length),
              Z_OK);
    EXPECT_EQ(rawSize, raw.size());
    std::vector<int> prev(stride, 0), cur(stride);
    std::vector<std::uint32_t> argb;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * (stride + 1);
        const int type = raw[row];
        for (std::size_t i = 0; i < stride; ++i) {
            const int a = i >= 4 ? cur[i - 4] : 0, b = prev[i], c = i >= 4 ? prev[i - 4] : 0;
            const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            const int paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            const int predictor[] = {0, a, b, (a + b) / 2, paeth};
            cur[i] = (static_cast<unsigned char>(raw[row + 1 + i]) + predictor[type]) & 0xFF;
        }
        for (std::size_t x = 0; x < stride; x += 4)
            argb.push_back(static_cast<std::uint32_t>(cur[x + 3]) << 24 | static_cast<std::uint32_t>(cur[x]) << 16 |
                           static_cast<std::uint32_t>(cur[x + 1]) << 8 | static_cast<std::uint32_t>(cur[x + 2]));
        prev = cur;
    }
    return argb;
}

TEST(PngFile, IsAnRgbaImageOfTheSizeAsked) {
    const std::string png = res::PngFile(64);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(Be32(png, 16), 64u);
    EXPECT_EQ(Be32(png, 20), 64u);
    EXPECT_EQ(png[24], 8);  // bits per channel
    EXPECT_EQ(png[25], 6);  // RGBA
    EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");
}

TEST(PngFile, HoldsThePixelsDrawnAtEverySize) {
    for (const int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(Decode(res::PngFile(size), size, size), res::DrawAppIcon(size));
    }
}

TEST(PngFile, KeepsEveryFilterExact) {
    // Noise and gradients, so each of the five filters wins some row.
    std::vector<std::uint32_t> argb;
    std::uint32_t seed = 12345;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            seed = seed * 1103515245u + 12345u;
            argb.push_back(y % 3 == 0 ? seed : static_cast<std::uint32_t>(0xFF000000u | (x * 6) << 16 | (y * 6) << 8 | ((x + y) * 3)));
        }
    EXPECT_EQ(Decode(res::EncodePng(argb, 40, 40), 40, 40), argb);
}

TEST(PngFile, TheLargestIconIsSmall) {
    EXPECT_LT(res::PngFile(256).size(), 16u * 1024);
}

}  // namespace
