// The colours Velmora adds to a theme's own, chosen from the theme's: the
// face of a pressed toggle and the charts' colours. A theme may be light,
// dark or high-contrast; each rule picks from a short list of colours the
// first that stands out enough on what the theme gives, so the same window
// reads in all of them. A frontend reads the theme's colours, asks here,
// and applies the answer.
#ifndef VELMORA_PANEL_THEME_COLOURS_H
#define VELMORA_PANEL_THEME_COLOURS_H

#include "panel/colour_contrast.h"

// The least a pressed toggle keeps from a released one, and a chart's line
// from the chart's background: what the eye needs to tell shapes apart.
inline constexpr double kMinContrast = 3.0;
// What a colour is picked for where the theme leaves room: the contrast
// readable text needs, so that a screenshot's rounding and the theme's
// gradients never bring it near the minimum.
inline constexpr double kGoodContrast = 4.5;

// A pressed LED, BUZ or "Acquisisci" toggle, drawn over the theme's button.
struct ToggleLook {
    Rgb face, text, border;
    Rgb hoverFace;                   // under the pointer
    Rgb disabledFace, disabledText;  // pressed but disabled (not connected)
};
// For a theme whose released buttons have the face `released`: every face
// at least kGoodContrast from it where any listed colour is, and the text
// readable on the face. A disabled pressed toggle is paler, never under
// kMinContrast + 0.5 from a released one.
ToggleLook PressedToggleLook(Rgb released);

struct ChartColours {
    Rgb background, text;  // the theme's, as given
    Rgb grid, frame;       // between the two
    Rgb temperature, analog;
};
// For a theme that draws text `text` on `background` (a field's colours):
// each series in the first of its colours that is at least kGoodContrast
// from the background, else the best of them if it reaches kMinContrast,
// else in the text's colour.
ChartColours ChartColoursFor(Rgb background, Rgb text);

#endif
