#include "res/app_icon.h"

#include <algorithm>
#include <cmath>

namespace res {
namespace {

struct Rgb {
    double r, g, b;
};

// The picture in unit coordinates (0..1): a board with a green character
// display showing two rows of text and two LEDs. Returns the colour at a
// point, or nothing (transparent) outside the board. `pixel` is one pixel's
// width: details narrower than about a pixel and a half (the gaps between
// the display's characters, the LEDs' shine) are drawn only where they
// show, so small sizes stay clean.
bool Shade(double x, double y, double pixel, Rgb& out) {
    const auto inRoundRect = [](double px, double py, double x0, double y0, double x1, double y1,
                                double r) {
        const double cx = std::clamp(px, x0 + r, x1 - r);
        const double cy = std::clamp(py, y0 + r, y1 - r);
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r && px >= x0 && px <= x1 &&
               py >= y0 && py <= y1;
    };
    const auto shows = [pixel](double extent) { return extent >= 1.5 * pixel; };
    if (!inRoundRect(x, y, 0.04, 0.04, 0.96, 0.96, 0.16)) return false;
    out = {0.10, 0.33, 0.45};  // board
    if (inRoundRect(x, y, 0.13, 0.15, 0.87, 0.61, 0.06)) out = {0.05, 0.19, 0.26};  // display's frame
    if (inRoundRect(x, y, 0.14, 0.16, 0.86, 0.60, 0.05)) {
        out = {0.55, 0.80, 0.30};  // display glass
        // Rows of character cells: 8 on the first row, 5 on the second.
        constexpr double kGap = 0.0125, kPitch = (0.50 + kGap) / 8;
        const double inCell = std::fmod(x - 0.22, kPitch);
        const bool gap = shows(kGap) && x >= 0.22 && inCell > kPitch - kGap;
        const bool row1 = y >= 0.25 && y <= 0.35 && x >= 0.22 && x <= 0.22 + 8 * kPitch - kGap;
        const bool row2 = y >= 0.42 && y <= 0.51 && x >= 0.22 && x <= 0.22 + 5 * kPitch - kGap;
        if ((row1 || row2) && !gap) out = {0.10, 0.25, 0.08};
    }
    const auto led = [&](double cx, double cy, Rgb colour) {
        const double dx = x - cx, dy = y - cy;
        if (dx * dx + dy * dy > 0.09 * 0.09) return;
        out = colour;
        // A shine up and to the left, as from a light above the board.
        constexpr double kShine = 0.03;
        const double sx = dx + 0.03, sy = dy + 0.03;
        if (shows(2 * kShine) && sx * sx + sy * sy <= kShine * kShine)
            out = {(colour.r + 2) / 3, (colour.g + 2) / 3, (colour.b + 2) / 3};
    };
    led(0.74, 0.78, {0.92, 0.18, 0.15});  // red LED
    led(0.30, 0.78, {0.97, 0.80, 0.20});  // yellow LED
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
                    if (Shade(x, y, 1.0 / size, c)) {
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
