// How a pressed toggle (a push-like check box) looks on Windows.
#ifndef VELMORA_APP_WIN32_WIN32_TOGGLE_PAINT_H
#define VELMORA_APP_WIN32_WIN32_TOGGLE_PAINT_H

#include <windows.h>
#include <commctrl.h>

// Answers a toggle's NM_CUSTOMDRAW: a pressed one is painted here in the
// system's selection colours (CDRF_SKIPDEFAULT), a released one is left to
// the button (CDRF_DODEFAULT).
LRESULT PaintToggle(const NMCUSTOMDRAW& draw);

#endif
