#include "res/png_file.h"

#include "res/app_icon.h"

#include <zlib.h>

#include <array>
#include <cstdlib>

namespace res {
namespace {

void Put32Big(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

std::string Chunk(const char* type, const std::string& data) {
    std::string out;
    Put32Big(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = type + data;
    out += body;
    Put32Big(out, static_cast<std::uint32_t>(
                      crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
    return out;
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Row `cur` under filter `type` (None, Sub, Up, Average, Paeth), 4 bytes a pixel.
std::string Filter(int type, const std::string& cur, const std::string& prev) {
    std::string out(cur.size(), '\0');
    for (std::size_t i = 0; i < cur.size(); ++i) {
        const int x = static_cast<unsigned char>(cur[i]);
        const int a = i >= 4 ? static_cast<unsigned char>(cur[i - 4]) : 0;
        const int b = static_cast<unsigned char>(prev[i]);
        const int c = i >= 4 ? static_cast<unsigned char>(prev[i - 4]) : 0;
        const int predictor[] = {0, a, b, (a + b) / 2, Paeth(a, b, c)};
        out[i] = static_cast<char>((x - predictor[type]) & 0xFF);
    }
    return out;
}

// The usual choice: the filter whose bytes, read as signed, sum smallest.
long Cost(const std::string& filtered) {
    long sum = 0;
    for (const char ch : filtered) sum += std::abs(static_cast<int>(static_cast<signed char>(ch)));
    return sum;
}

}  // namespace

std::string EncodePng(const std::vector<std::uint32_t>& argb, int width, int height) {
    std::string raw, prev(static_cast<std::size_t>(width) * 4, '\0');
    for (int y = 0; y < height; ++y) {
        std::string cur;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = argb[static_cast<std::size_t>(y * width + x)];
            for (int shift : {16, 8, 0, 24}) cur += static_cast<char>((p >> shift) & 0xFF);
        }
        int best = 0;
        std::string bestRow = Filter(0, cur, prev);
        for (int type = 1; type < 5; ++type) {
            std::string row = Filter(type, cur, prev);
            if (Cost(row) < Cost(bestRow)) best = type, bestRow = std::move(row);
        }
        raw += static_cast<char>(best);
        raw += bestRow;
        prev = std::move(cur);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string z(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(z.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        return {};
    z.resize(size);

    std::string header;
    Put32Big(header, static_cast<std::uint32_t>(width));
    Put32Big(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, no interlace
    return "\x89PNG\r\n\x1A\n" + Chunk("IHDR", header) + Chunk("IDAT", z) + Chunk("IEND", "");
}

std::string PngFile(int size) { return EncodePng(DrawAppIcon(size), size, size); }

}  // namespace res
