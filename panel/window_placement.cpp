#include "panel/window_placement.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// `at` moved as little as it takes to lie in [lo, lo + room - size]; when
// `size` exceeds `room`, at `lo`.
int Clamp(int at, int size, int lo, int room) { return std::max(lo, std::min(at, lo + room - size)); }

// The area of `panel` that a window at `at` would cover.
std::int64_t Covered(const ScreenRect& panel, ScreenPoint at, int width, int height) {
    const std::int64_t w = std::min(panel.Right(), at.x + width) - std::max(panel.x, at.x);
    const std::int64_t h = std::min(panel.Bottom(), at.y + height) - std::max(panel.y, at.y);
    return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

ScreenPoint PlaceBeside(const ScreenRect& workArea, const ScreenRect& panel, int width, int height,
                        int gap) {
    const auto x = [&](int at) { return Clamp(at, width, workArea.x, workArea.w); };
    const auto y = [&](int at) { return Clamp(at, height, workArea.y, workArea.h); };
    const int right = x(panel.Right() + gap), left = x(panel.x - gap - width);
    const int level = y(panel.y), above = y(panel.y - gap - height), below = y(panel.Bottom() + gap);
    // The side with more room comes first where the panel is covered anyway.
    const bool rightFirst = workArea.Right() - panel.Right() >= panel.x - workArea.x;
    const int nearSide = rightFirst ? right : left, farSide = rightFirst ? left : right;
    // In order of preference; the first that covers the least wins, so a
    // place that covers nothing wins in this order.
    const std::vector<ScreenPoint> places = {
        {right, level},        {left, level},
        {x(panel.x), above},   {x(panel.x), below},
        {nearSide, above},     {nearSide, below},     {nearSide, level},
        {farSide, above},      {farSide, below},      {farSide, level},
    };
    return *std::ranges::min_element(places, {}, [&](ScreenPoint p) { return Covered(panel, p, width, height); });
}
