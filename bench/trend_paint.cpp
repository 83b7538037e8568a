// What a paint of the trend window costs as the series grows: both charts
// drawn with cairo into an off-screen bitmap of the window's chart size, for
// each span, with a series of 600 points (ten minutes), with one that just
// fills the span, and with 86,400 (a day, the most the series keeps). Prints
// the median of many paints and the ratios of the day to the others: a paint
// should cost what the chart's width holds, not what the series does.
#include "app/wx/wx_toolkit.h"
#include "app/wx/wx_trend_window.h"
#include "panel/trend_chart.h"
#include "res/resource.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/graphics.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

// A point a second up to now, both values moving as a real board's would.
void Fill(TrendSeries& series, std::size_t points) {
    series.Clear();
    const std::int64_t now = std::time(nullptr);
    for (std::size_t i = 0; i < points; ++i) {
        const double phase = static_cast<double>(i) / 97;
        series.Add({now - static_cast<std::int64_t>(points - i), 3600, 22 + 3 * std::sin(phase),
                    static_cast<int>(512 + 400 * std::sin(phase * 3))});
    }
}

double MedianPaintMs(WxTrendWindow& window, const TrendSpan& span, wxSize size) {
    wxBitmap bitmap(size.x, size.y, 32);
    std::vector<double> times;
    for (int run = 0; run < 41; ++run) {
        wxMemoryDC dc(bitmap);
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        const auto start = std::chrono::steady_clock::now();
        window.PaintCharts(*gc, size, 1.0, span);
        gc->Flush();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::ranges::nth_element(times, times.begin() + times.size() / 2);
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    WxToolkit toolkit(argc, argv);
    if (!toolkit.Started()) return 1;
    auto* panel = new wxFrame(nullptr, wxID_ANY, "panel");
    TrendSeries series;
    auto* window = new WxTrendWindow(panel, series, "velmora", {});
    const wxSize size = window->FindWindow(IDC_TREND_CHART)->GetClientSize();
    std::printf("trend paint, %dx%d px, median of 41 paints, ms\n", size.x, size.y);
    std::printf("%-8s %12s %16s %14s %10s %10s\n", "span", "600 points", "span full", "86400 points",
                "day/600", "day/full");
    for (const TrendSpan& span : TrendSpans()) {
        const auto full = static_cast<std::size_t>(span.seconds);
        Fill(series, 600);
        const double few = MedianPaintMs(*window, span, size);
        Fill(series, full);
        const double spanFull = MedianPaintMs(*window, span, size);
        Fill(series, TrendSeries::kDefaultCapacity);
        const double day = MedianPaintMs(*window, span, size);
        std::printf("%-8s %12.3f %9.3f (%4zu) %14.3f %10.2f %10.2f\n", std::string(span.label).c_str(), few,
                    spanFull, full, day, day / few, day / spanFull);
    }
    std::printf("goal: a day of points costs at most 1.5x a chart as full from 600 points\n");
    window->Destroy();
    panel->Destroy();
    return 0;
}
