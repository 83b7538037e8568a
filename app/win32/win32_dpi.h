// The DPI each window is drawn at, for an executable that starts on Windows
// 7: whatever is newer is looked up at run time (GetProcAddress), and where
// it is missing the system's DPI stands for every window.
//
//   looked up in user32.dll          since           without it
//   SetProcessDpiAwarenessContext    10 1607 (PMv2:  SetProcessDPIAware: the
//                                    1703)           system's DPI
//   GetDpiForWindow                  10 1607         the screen's LOGPIXELSX
//   GetSystemMetricsForDpi           10 1607         GetSystemMetrics, scaled
//                                                    from the system's DPI
//
// The process is either per-monitor aware (v2) or aware of the system's
// DPI only, as the manifest declares it: v1, and with it shcore's
// GetDpiForMonitor and EnableNonClientDpiScaling, is never asked for.
// Under v2 the dialog manager rescales a dialog's fonts and controls when
// it changes monitor; what the windows paint themselves asks WindowDpi.
//
//  [ ] Wine 8 gives every monitor the one DPI (its LogPixels setting) and
//      never sends WM_DPICHANGED: a change of monitor is not seen there.
#ifndef VELMORA_APP_WIN32_WIN32_DPI_H
#define VELMORA_APP_WIN32_WIN32_DPI_H

#include <windows.h>

// Asks to be per-monitor aware (v2), else aware of the system's DPI. The
// manifest declares the same and comes first: when it already has, this
// changes nothing. Call before the first window.
void DeclareDpiAwareness();

// The DPI `window` is drawn at: 96 is 100 %.
UINT WindowDpi(HWND window);

// `pixels` at 96 DPI, at `dpi`.
int ScaleForDpi(int pixels, UINT dpi);

// GetSystemMetrics(`index`) at `dpi`.
int MetricForDpi(int index, UINT dpi);

// Answers WM_DPICHANGED: the window takes the rectangle Windows suggests
// (`suggested`, the message's lParam) and everything it paints itself is
// painted again at the new DPI. The dialog manager then rescales the fonts
// and controls, so the message goes on to it.
void FollowDpiChange(HWND window, LPARAM suggested);

#endif
