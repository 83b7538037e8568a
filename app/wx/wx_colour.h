// Colours between wx and the core's rules (panel/colour_contrast.h).
#ifndef VELMORA_APP_WX_WX_COLOUR_H
#define VELMORA_APP_WX_WX_COLOUR_H

#include "panel/colour_contrast.h"

#include <wx/colour.h>
#include <wx/settings.h>

inline Rgb ToRgb(const wxColour& c) { return {c.Red(), c.Green(), c.Blue()}; }
inline wxColour ToWx(Rgb c) { return {c.r, c.g, c.b}; }
// The theme's colour for `what`, as the toolkit reads it now.
inline Rgb ThemeColour(wxSystemColour what) { return ToRgb(wxSystemSettings::GetColour(what)); }

#endif
