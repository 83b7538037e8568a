// Contrast as the accessibility guidelines count it, and the colours picked
// for pressed toggles and the charts in light, dark and high-contrast themes.
#include "panel/colour_contrast.h"
#include "panel/theme_colours.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr Rgb kWhite{0xff, 0xff, 0xff}, kBlack{0, 0, 0};

TEST(ColourContrast, RatiosAsTheGuidelinesCountThem) {
    struct Case {
        Rgb a, b;
        double ratio;
    };
    const Case cases[] = {
        {kBlack, kWhite, 21.0},
        {kWhite, kBlack, 21.0},                           // either order
        {{0x77, 0x77, 0x77}, kWhite, 4.48},               // the grey of the 4.5:1 rule's edge
        {{0x2a, 0x56, 0x99}, {0xed, 0xeb, 0xe9}, 6.11},   // measured on the screen: default theme
        {{0x2a, 0x56, 0x99}, {0x32, 0x32, 0x32}, 1.76},   // and the dark one
        {{0x12, 0x34, 0x56}, {0x12, 0x34, 0x56}, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01) << HexText(c.a) << " on " << HexText(c.b);
}

TEST(ColourContrast, MixesAndWritesColoursAsStyleSheetsDo) {
    EXPECT_EQ(Mix(kBlack, kWhite, 0.5), (Rgb{0x80, 0x80, 0x80}));
    EXPECT_EQ(Mix(kBlack, kWhite, 0), kBlack);
    EXPECT_EQ(Mix(kBlack, kWhite, 1), kWhite);
    EXPECT_EQ(Mix(kBlack, kWhite, 2), kWhite);  // never past the end
    EXPECT_EQ(HexText({0x2a, 0x56, 0x99}), "#2a5699");
    EXPECT_EQ(HexText(kBlack), "#000000");
}

// Released button faces and field colours as the themes draw them (read
// from the screen and from the toolkit), and two no theme ships.
struct Theme {
    const char* name;
    Rgb button, field, text;
};
const Theme kThemes[] = {
    {"Adwaita", {0xed, 0xeb, 0xe9}, kWhite, kBlack},
    {"Adwaita:dark", {0x32, 0x32, 0x32}, {0x2d, 0x2d, 0x2d}, kWhite},
    {"HighContrast", {0xf4, 0xf2, 0xf1}, kWhite, kBlack},
    {"HighContrastInverse", {0x2e, 0x2e, 0x2e}, {0x2d, 0x2d, 0x2d}, kWhite},
    {"Windows classic", {0xf0, 0xf0, 0xf0}, kWhite, kBlack},
    {"black", kBlack, kBlack, kWhite},
    {"mid grey", {0x77, 0x77, 0x77}, {0x77, 0x77, 0x77}, kBlack},
};

TEST(ThemeColours, APressedToggleStandsOutFromAReleasedOneInEveryTheme) {
    for (const Theme& t : kThemes) {
        const ToggleLook look = PressedToggleLook(t.button);
        EXPECT_GE(ContrastRatio(look.face, t.button), kGoodContrast) << t.name;
        EXPECT_GE(ContrastRatio(look.hoverFace, t.button), kGoodContrast) << t.name;
        EXPECT_GE(ContrastRatio(look.text, look.face), kGoodContrast) << t.name;
        EXPECT_GE(ContrastRatio(look.disabledFace, t.button), kMinContrast + 0.5) << t.name;
        EXPECT_GE(ContrastRatio(look.disabledText, look.disabledFace), kMinContrast) << t.name;
    }
}

TEST(ThemeColours, LightThemesKeepTheDarkBlueAndDarkOnesGetALightOne) {
    const Rgb darkBlue{0x2a, 0x56, 0x99}, lightBlue{0x8a, 0xb4, 0xf8};
    struct Case {
        Rgb button, face;
    };
    const Case cases[] = {
        {{0xed, 0xeb, 0xe9}, darkBlue},
        {{0x32, 0x32, 0x32}, lightBlue},
        {kBlack, lightBlue},
        {{0x77, 0x77, 0x77}, kBlack},  // neither blue stands out: black does
    };
    for (const Case& c : cases) EXPECT_EQ(PressedToggleLook(c.button).face, c.face) << HexText(c.button);
    // A disabled one is paler, toward the released face.
    const ToggleLook light = PressedToggleLook({0xed, 0xeb, 0xe9});
    EXPECT_GT(RelativeLuminance(light.disabledFace), RelativeLuminance(light.face));
}

TEST(ThemeColours, ChartsTakeTheThemesColoursAndEachLineReadsOnThem) {
    for (const Theme& t : kThemes) {
        const ChartColours c = ChartColoursFor(t.field, t.text);
        EXPECT_EQ(c.background, t.field) << t.name;
        EXPECT_EQ(c.text, t.text) << t.name;
        EXPECT_GE(ContrastRatio(c.temperature, c.background), kMinContrast) << t.name;
        EXPECT_GE(ContrastRatio(c.analog, c.background), kMinContrast) << t.name;
        // The grid stays faint, the frame stronger, both on the text's side.
        const double grid = ContrastRatio(c.grid, c.background), frame = ContrastRatio(c.frame, c.background);
        EXPECT_GT(grid, 1.05) << t.name;
        EXPECT_LT(grid, frame) << t.name;
        EXPECT_LT(frame, ContrastRatio(c.text, c.background)) << t.name;
    }
}

TEST(ThemeColours, EachSeriesKeepsItsHueWhereItCan) {
    struct Case {
        Rgb background, text, temperature, analog;
    };
    const Case cases[] = {
        {kWhite, kBlack, {0xc0, 0x39, 0x2b}, {0x1f, 0x5f, 0xaf}},                  // the usual red and blue
        {{0x2d, 0x2d, 0x2d}, kWhite, {0xff, 0x8a, 0x80}, {0x5b, 0x9b, 0xe6}},     // lighter on dark
        {{0x77, 0x77, 0x77}, kBlack, kBlack, kBlack},                             // no hue reads: the text's colour
    };
    for (const Case& c : cases) {
        const ChartColours colours = ChartColoursFor(c.background, c.text);
        EXPECT_EQ(colours.temperature, c.temperature) << HexText(c.background);
        EXPECT_EQ(colours.analog, c.analog) << HexText(c.background);
    }
}

}  // namespace
