// Colours as the screen shows them and how far apart a reader sees two of
// them: the relative luminance and contrast ratio of the web's accessibility
// guidelines, so "3:1" means here what it means there.
#ifndef VELMORA_PANEL_COLOUR_CONTRAST_H
#define VELMORA_PANEL_COLOUR_CONTRAST_H

#include <cstdint>
#include <string>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// 0 for black to 1 for white, in linear light.
double RelativeLuminance(Rgb c);
// From 1:1 (the same luminance) to 21:1 (black on white); the order of the two does not matter.
double ContrastRatio(Rgb a, Rgb b);
// `t` of the way from `from` to `to`, channel by channel, rounded; t in [0, 1].
Rgb Mix(Rgb from, Rgb to, double t);
// "#2a5699", as style sheets write colours.
std::string HexText(Rgb c);

#endif
