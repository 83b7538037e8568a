// Puts a window the panel owns beside the panel, by the shared rule of
// panel/window_placement.h, on the panel's monitor and at its DPI.
#ifndef VELMORA_APP_WIN32_WIN32_PLACEMENT_H
#define VELMORA_APP_WIN32_WIN32_PLACEMENT_H

#include <windows.h>

// Moves `window` (its size kept) beside `panel`, inside the work area of
// the panel's monitor.
void PlaceBesidePanel(HWND window, HWND panel);

#endif
