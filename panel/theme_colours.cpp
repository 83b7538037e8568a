#include "panel/theme_colours.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

struct Face {
    Rgb face, text;
};
// Dark blue with white text on light themes, light blue with dark text on
// dark ones; black or white where neither stands out (a mid-grey button).
constexpr std::array kPressedFaces = {
    Face{{0x2a, 0x56, 0x99}, {0xff, 0xff, 0xff}},
    Face{{0x8a, 0xb4, 0xf8}, {0x0b, 0x1e, 0x3a}},
    Face{{0x00, 0x00, 0x00}, {0xff, 0xff, 0xff}},
    Face{{0xff, 0xff, 0xff}, {0x00, 0x00, 0x00}},
};

// Each series' colours, the one for light backgrounds first.
constexpr std::array kTemperatureColours = {Rgb{0xc0, 0x39, 0x2b}, Rgb{0xe8, 0x68, 0x5c}, Rgb{0xff, 0x8a, 0x80}};
constexpr std::array kAnalogColours = {Rgb{0x1f, 0x5f, 0xaf}, Rgb{0x5b, 0x9b, 0xe6}, Rgb{0x8a, 0xb4, 0xf8}};

// The first of `colours` at least kGoodContrast from `on`, else the one
// furthest from it.
template <class T, class Colour>
const T& Pick(std::span<const T> colours, Rgb on, Colour colour) {
    for (const T& c : colours)
        if (ContrastRatio(colour(c), on) >= kGoodContrast) return c;
    return *std::ranges::max_element(colours, {}, [&](const T& c) { return ContrastRatio(colour(c), on); });
}

// Black when `c` is darker than `from`, else white: the way that moves `c`
// further from `from`.
Rgb Away(Rgb c, Rgb from) {
    return RelativeLuminance(c) < RelativeLuminance(from) ? Rgb{0, 0, 0} : Rgb{0xff, 0xff, 0xff};
}

Rgb SeriesColour(std::span<const Rgb> colours, Rgb background, Rgb text) {
    const Rgb c = Pick(colours, background, [](Rgb x) { return x; });
    return ContrastRatio(c, background) >= kMinContrast ? c : text;
}

}  // namespace

ToggleLook PressedToggleLook(Rgb released) {
    const Face& f = Pick(std::span<const Face>(kPressedFaces), released, [](const Face& x) { return x.face; });
    ToggleLook look;
    look.face = f.face;
    look.text = f.text;
    look.border = Mix(f.face, Away(f.face, released), 0.35);
    look.hoverFace = Mix(f.face, Away(f.face, released), 0.12);
    // As pale as it can be, toward the released face, and still tell apart.
    look.disabledFace = f.face;
    for (const double t : {0.5, 0.4, 0.3, 0.2, 0.1}) {
        const Rgb pale = Mix(f.face, released, t);
        if (ContrastRatio(pale, released) >= kMinContrast + 0.5) {
            look.disabledFace = pale;
            break;
        }
    }
    // Black or white, whichever reads on it, a little dimmed.
    const Rgb black{0, 0, 0}, white{0xff, 0xff, 0xff};
    const Rgb ink = ContrastRatio(black, look.disabledFace) > ContrastRatio(white, look.disabledFace) ? black : white;
    look.disabledText = Mix(ink, look.disabledFace, 0.2);
    return look;
}

ChartColours ChartColoursFor(Rgb background, Rgb text) {
    ChartColours c;
    c.background = background;
    c.text = text;
    c.grid = Mix(background, text, 0.15);
    c.frame = Mix(background, text, 0.45);
    c.temperature = SeriesColour(kTemperatureColours, background, text);
    c.analog = SeriesColour(kAnalogColours, background, text);
    return c;
}
