// The trend window "Andamento" for the Win32 frontend: a modeless dialog
// from template 103 in the executable's resources, owned by the panel.
// Every number it draws (axes, grid, lines, latest values, layout) comes
// from panel/trend_chart.h; it only turns them into pixels and runs the
// buttons.
//
//  [X] The charts in the template's owner-drawn static, drawn with GDI into
//      a memory bitmap and copied at once (no flicker), in device pixels at
//      the window's DPI (WindowDpi), so lines and text are sharp at 1x and
//      2x and follow the window to a monitor of another DPI.
//  [X] It opens beside the panel where it fits on the panel's monitor, else
//      where it covers the least of it, inside the work area
//      (panel/window_placement.h).
//  [X] The span combo (1, 10, 60 minutes; 10 at the start) redraws.
//  [X] "Salva CSV..." asks with the common save dialog and writes the
//      series; a file that cannot be saved is reported with its name and
//      the reason. The margins are measured in the window's fonts. The
//      chooser and that report run through the `runModal` given, so the
//      panel holds back its own boxes meanwhile.
//  [X] "Azzera" empties the series.
//  [X] Tab, Enter and Escape: the panel's modal loop calls IsDialogMessage
//      for the panel only; win32_dialog_keys.h does it for this window. Under Wine no key reached the window in the test
//      (Escape, Alt+F4); checked there with the mouse only.
//  [X] The close box and Escape close it; it ends with the panel.
//  [X] In the system's colours: the window background and text
//      (COLOR_WINDOW, COLOR_WINDOWTEXT), the grid, frame and lines picked
//      from them (panel/theme_colours.h), so high-contrast settings carry.
//  [X] Each chart's latest value is a static text of its own beside it
//      (IDC_TREND_TEMP_VALUE, IDC_TREND_ANALOG_VALUE), named for screen
//      readers through the accessibility API (IAccPropServices): name
//      "Temperatura" or "Ingresso analogico", value the text shown,
//      description the span's lowest and highest values, rewritten on each
//      tick without an event of its own. Wine 8's SetHwndPropStr is a stub:
//      there only the texts can be seen.
//  [ ] No antialiasing: GDI draws the lines aliased.
#ifndef VELMORA_APP_WIN32_WIN32_TREND_WINDOW_H
#define VELMORA_APP_WIN32_WIN32_TREND_WINDOW_H

#include "app/win32/win32_dialog_proc.h"
#include "panel/trend_series.h"

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <string>

class Win32TrendWindow {
public:
    using RunModal = std::function<void(const std::function<void()>&)>;

    Win32TrendWindow(HINSTANCE instance, std::string programName, RunModal runModal);
    ~Win32TrendWindow();
    Win32TrendWindow(const Win32TrendWindow&) = delete;
    Win32TrendWindow& operator=(const Win32TrendWindow&) = delete;

    // Opens it beside `owner`, or brings it to the front.
    void Show(HWND owner, TrendSeries& series);
    bool IsOpen() const { return m_hwnd != nullptr; }
    void Redraw();

private:
    friend INT_PTR CALLBACK ObjectDialogProc<Win32TrendWindow>(HWND, UINT, WPARAM, LPARAM);
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void Draw(const DRAWITEMSTRUCT& item);
    // The latest values' texts and what a screen reader reads of them.
    void UpdateReadouts();
    void Save();
    void SaveAs();

    HINSTANCE m_instance;
    std::string m_programName;
    RunModal m_runModal;
    HWND m_hwnd = nullptr;
    TrendSeries* m_series = nullptr;
    HWND m_readouts[2] = {};                // the temperature's and the analog input's
    HFONT m_readoutFont = nullptr;
    IAccPropServices* m_props = nullptr;  // null where the system has none
};

#endif
