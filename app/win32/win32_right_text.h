// Right-aligned static texts (the clock and the readings) that keep their
// last glyph whole. A static with SS_RIGHT measures its text and puts the
// end of that measure on its right edge. Under Wine 8, 8-point Tahoma's
// ':' and '.' are drawn one pixel wider than they are measured, so
// "14:05:37" runs two pixels past the measure and its last digit loses its
// last column to the edge (the font's ABC widths do not show it: only the
// drawing does). These statics are painted here instead, as the system
// paints them (its colours from WM_CTLCOLORSTATIC, grey when disabled, the
// same text format), with the right edge moved in by as far as the drawn
// ink reaches past the measure, found by drawing the text off screen
// first; a new text or enabled state is drawn the same way (Wine's static
// would draw those at once, outside WM_PAINT). Where drawing and measure
// agree (Windows) nothing moves. Nothing
// else about the control changes: its place, its text, what WM_GETTEXT
// and a screen reader read.
#ifndef VELMORA_APP_WIN32_WIN32_RIGHT_TEXT_H
#define VELMORA_APP_WIN32_WIN32_RIGHT_TEXT_H

#include <windows.h>

// From now on `text`, a static with SS_RIGHT, draws its last glyph whole.
void KeepLastGlyphWhole(HWND text);

#endif
