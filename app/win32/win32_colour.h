// Colours between Win32 (COLORREF) and the core's rules (panel/colour_contrast.h).
#ifndef VELMORA_APP_WIN32_WIN32_COLOUR_H
#define VELMORA_APP_WIN32_WIN32_COLOUR_H

#include "panel/colour_contrast.h"

#include <windows.h>

inline Rgb ToRgb(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }
inline COLORREF ToColorref(Rgb c) { return RGB(c.r, c.g, c.b); }

#endif
