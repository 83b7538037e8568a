#include "res/app_icon.h"

#include <algorithm>
#include <cmath>

namespace res {
namespace {

struct Rgb {
    double r, g, b;
};

// The picture in unit coordinates (0..1): a board with a green character
// display showing two rows of text and a red LED. Returns the colour at a
// point, or nothing (transparent) outside the board.
bool Shade(double x, double y, Rgb& out) {
    const auto inRoundRect = [](double px, double py, double x0, double y0, double x1, double y1,
                                double r) {
        const double cx = std::clamp(px, x0 + r, x1 - r);
        const double cy = std::clamp(py, y0 + r, y1 - r);
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r && px >= x0 && px <= x1 &&
               py >= y0 && py <= y1;
    };
    if (!inRoundRect(x, y, 0.04, 0.04, 0.96, 0.96, 0.16)) return false;
    out = {0.10, 0.33, 0.45};  // board
    if (inRoundRect(x, y, 0.14, 0.16, 0.86, 0.60, 0.05)) {
        out = {0.55, 0.80, 0.30};  // display glass
        const bool row1 = y >= 0.25 && y <= 0.35 && x >= 0.22 && x <= 0.72;
        const bool row2 = y >= 0.42 && y <= 0.51 && x >= 0.22 && x <= 0.56;
        if (row1 || row2) out = {0.10, 0.25, 0.08};
    }
    const double dx = x - 0.74, dy = y - 0.78;
    if (dx * dx + dy * dy <= 0.09 * 0.09) out = {0.92, 0.18, 0.15};  // LED
    const double ex = x - 0.30, ey = y - 0.78;
    if (ex * ex + ey * ey <= 0.09 * 0.09) out = {0.97, 0.80, 0.20};  // second LED
    return true;
}

}  // namespace

std::vector<std::uint32_t> DrawAppIcon(int size) {
    constexpr int kSamples = 4;  // per axis, for smooth edges
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Rgb sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    Rgb c{};
                    const double x = (px + (sx + 0.5) / kSamples) / size;
                    const double y = (py + (sy + 0.5) / kSamples) / size;
                    if (Shade(x, y, c)) {
                        sum.r += c.r, sum.g += c.g, sum.b += c.b;
                        ++covered;
                    }
                }
            }
            std::uint32_t argb = 0;
            if (covered > 0) {
                const auto channel = [&](double v) {
                    return static_cast<std::uint32_t>(std::lround(255.0 * v / covered));
                };
                const auto alpha = static_cast<std::uint32_t>(255 * covered / (kSamples * kSamples));
                argb = alpha << 24 | channel(sum.r) << 16 | channel(sum.g) << 8 | channel(sum.b);
            }
            pixels[static_cast<std::size_t>(py) * size + px] = argb;
        }
    }
    return pixels;
}

}  // namespace res
