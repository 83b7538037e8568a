#include "res/icon_files.h"

#include "res/app_icon.h"
#include "res/png_file.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <cstdint>
#include <vector>

namespace res {
namespace {

struct Rgb {
    int r, g, b;
};

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The 16 colours of the Windows default palette.
std::vector<Rgb> Palette16() {
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
            {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

// A 6x6x6 colour cube and 40 greys.
std::vector<Rgb> Palette256() {
    std::vector<Rgb> p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) p.push_back({r * 51, g * 51, b * 51});
    for (int i = 0; i < 40; ++i) p.push_back({i * 255 / 39, i * 255 / 39, i * 255 / 39});
    return p;
}

int Nearest(const std::vector<Rgb>& palette, Rgb c) {
    int best = 0, bestDist = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist) bestDist = d, best = static_cast<int>(i);
    }
    return best;
}

// The images, as Windows picks among them by size and the screen's colours:
// 32 bits with alpha for today's screens, 24, 8 and 4 for the rest, and the
// large one as PNG, which is how Windows (Vista and later) reads 256 pixels.
struct Image {
    int size, bits;
};
constexpr Image kImages[] = {{256, 32}, {48, 32}, {32, 32}, {24, 32}, {16, 32}, {48, 24}, {48, 8},
                             {48, 4},   {32, 24}, {32, 8},  {32, 4},  {16, 24}, {16, 8},  {16, 4}};
constexpr int kPngFrom = 256;

// One icon image: BITMAPINFOHEADER, palette, colour rows, mask rows,
// bottom row first, each row padded to four bytes. At 32 bits the colour
// rows carry alpha and the mask only hides what is wholly transparent.
std::string IconImage(int size, int bits) {
    const std::vector<std::uint32_t> argb = DrawAppIcon(size);
    const std::vector<Rgb> palette = bits == 4 ? Palette16() : bits == 8 ? Palette256() : std::vector<Rgb>{};
    const int colorRow = (size * bits + 31) / 32 * 4;
    const int maskRow = (size + 31) / 32 * 4;
    std::string out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size * 2));  // colour and mask
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>((colorRow + maskRow) * size));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(palette.size()));
    Put32(out, 0);
    for (const Rgb& c : palette) {
        out += static_cast<char>(c.b);
        out += static_cast<char>(c.g);
        out += static_cast<char>(c.r);
        out += '\0';
    }
    const auto pixel = [&](int x, int y) { return argb[static_cast<std::size_t>(y * size + x)]; };
    const auto opaque = [&](int x, int y) { return (pixel(x, y) >> 24) >= (bits == 32 ? 1u : 128u); };
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(colorRow), '\0');
        for (int x = 0; x < size; ++x) {
            const std::uint32_t p = opaque(x, y) ? pixel(x, y) : 0;
            const Rgb c{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                        static_cast<int>(p & 0xFF)};
            if (bits == 32) {
                const std::uint32_t a = pixel(x, y);
                for (int i = 0; i < 4; ++i)
                    row[static_cast<std::size_t>(x * 4 + i)] = static_cast<char>((a >> (8 * i)) & 0xFF);
            } else if (bits == 24) {
                row[static_cast<std::size_t>(x * 3)] = static_cast<char>(c.b);
                row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>(c.g);
                row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>(c.r);
            } else if (bits == 8) {
                row[static_cast<std::size_t>(x)] = static_cast<char>(Nearest(palette, c));
            } else {
                const int index = Nearest(palette, c);
                auto& byte = row[static_cast<std::size_t>(x / 2)];
                byte = static_cast<char>(byte | (x % 2 == 0 ? index << 4 : index));
            }
        }
        out += row;
    }
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskRow), '\0');
        for (int x = 0; x < size; ++x)
            if (!opaque(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

}  // namespace

std::string IcoFile() {
    std::vector<std::string> images;
    std::string dir;
    Put16(dir, 0);
    Put16(dir, 1);  // icon
    Put16(dir, static_cast<unsigned>(std::size(kImages)));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * std::size(kImages));
    for (const Image& image : kImages) {
        images.push_back(image.size >= kPngFrom ? PngFile(image.size) : IconImage(image.size, image.bits));
        if (images.back().empty()) return {};
        dir += static_cast<char>(image.size & 0xFF);  // 0 for 256
        dir += static_cast<char>(image.size & 0xFF);
        dir += static_cast<char>(image.bits == 4 ? 16 : 0);  // colours, 0 for 256 or more
        dir += '\0';
        Put16(dir, 1);
        Put16(dir, static_cast<unsigned>(image.bits));
        Put32(dir, static_cast<std::uint32_t>(images.back().size()));
        Put32(dir, offset);
        offset += static_cast<std::uint32_t>(images.back().size());
    }
    for (const std::string& image : images) dir += image;
    return dir;
}

}  // namespace res
