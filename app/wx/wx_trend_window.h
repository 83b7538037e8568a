// The trend window "Andamento" for the wxWidgets frontend: a modeless
// dialog from template 103 that draws the panel's trend series. Every
// number it draws (axes, grid, lines, latest values, layout) comes from
// panel/trend_chart.h; it only turns them into pixels and runs the buttons.
//
//  [X] Two charts on one time axis, drawn with wxGraphicsContext (cairo):
//      antialiased lines, grid lines on whole device pixels at the window's
//      content scale, so they stay sharp at 1x and 2x.
//  [X] In the theme's colours: a field's background and text, the grid,
//      frame and lines picked from them (panel/theme_colours.h), read at
//      every paint, so a dark or high-contrast theme has dark or
//      high-contrast charts.
//  [X] Each chart's latest value is a real label beside it, which is what a
//      screen reader reads as the chart: named "Temperatura" or "Ingresso
//      analogico", its text the value, its description the span's lowest
//      and highest values (panel/trend_readout.h), rewritten on each tick
//      without being announced.
//  [X] The span choice (1, 10, 60 minutes; 10 at the start) redraws.
//  [X] "Salva CSV..." asks for a file and writes the series there; a
//      file that cannot be saved is reported with its name and the reason.
//      The chooser and that report run through `runModal`, so the panel
//      holds back its own boxes meanwhile.
//  [X] The margins are measured in the window's fonts, so large fonts
//      widen them rather than cut the labels.
//  [X] "Azzera" empties the series.
//  [X] Usable while the panel runs modally: GTK gives a modal window's grab
//      to its whole window group, so this window has a group of its own.
//  [X] The close box and Escape close it; the panel learns it through
//      the callback given at construction.
//  [X] It opens beside the panel where it fits on the panel's display,
//      else where it covers the least of it, inside the display's work
//      area (panel/window_placement.h).
#ifndef VELMORA_APP_WX_WX_TREND_WINDOW_H
#define VELMORA_APP_WX_WX_TREND_WINDOW_H

#include "panel/trend_series.h"

#include <wx/dialog.h>

#include <functional>
#include <initializer_list>
#include <string>

class wxChoice;
class wxGraphicsContext;
class wxStaticText;
struct ChartColours;
struct PlotRect;
struct TrendSpan;
struct TrendTextSizes;
struct ValueAxis;
struct TimeAxis;
enum class TrendValue;

class WxTrendWindow : public wxDialog {
public:
    using RunModal = std::function<void(const std::function<void()>&)>;

    // `closed` runs as the window goes away; `runModal` runs the file
    // chooser (none: it runs as it is).
    WxTrendWindow(wxWindow* panel, TrendSeries& series, std::string programName,
                  std::function<void()> closed, RunModal runModal = {});
    ~WxTrendWindow() override;

    // The series changed: draw it again.
    void Redraw();
    // Draws both charts over `span` into `gc`, `size` logical pixels at
    // `scale` device pixels each: what a paint of the window does.
    void PaintCharts(wxGraphicsContext& gc, wxSize size, double scale, const TrendSpan& span);

private:
    void OnPaintChart();
    const TrendSpan& Span() const;
    wxFont LatestFont() const;
    TrendTextSizes MeasureTexts(wxGraphicsContext& gc, std::initializer_list<const ValueAxis*> axes) const;
    void DrawChart(wxGraphicsContext& gc, const PlotRect& plot, const ValueAxis& axis,
                   const TimeAxis& time, TrendValue value, const ChartColours& colours, double scale);
    // The latest values' labels: their text, colour, description and place.
    void UpdateReadouts();
    void OnSave();
    void SaveAs();

    TrendSeries& m_series;
    std::string m_programName;
    std::function<void()> m_closed;
    RunModal m_runModal;
    wxWindow* m_chart = nullptr;
    wxChoice* m_span = nullptr;
    wxStaticText* m_readouts[2] = {};  // the temperature's and the analog input's
};

#endif
