// The wxWidgets trend window's charts, painted off screen on a real X
// display at the font scale the test runs with (GDK_DPI_SCALE).
#include "app/wx/wx_trend_window.h"
#include "panel/trend_chart.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <ctime>
#include <memory>

namespace {

// Wide labels on both sides: "125.0°C" beside the chart, "1023" on its axis.
TrendSeries WideSeries() {
    TrendSeries series;
    const std::int64_t now = std::time(nullptr);
    for (std::int64_t i = 600; i > 0; --i)
        series.Add({now - i, 3600, 100 + static_cast<double>(i % 250) / 10, static_cast<int>(1023 - i % 3)});
    return series;
}

TEST(WxTrend, NoTextIsCutAtTheChartsEdges) {
    auto* panel = new wxFrame(nullptr, wxID_ANY, "panel");
    TrendSeries series = WideSeries();
    auto* window = new WxTrendWindow(panel, series, "velmora", {});
    const wxSize size = window->FindWindow(IDC_TREND_CHART)->GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC dc(bitmap);
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        window->PaintCharts(*gc, size, 1.0, TrendSpans()[kDefaultTrendSpan]);
    }
    // A text that runs past the chart's edge leaves ink on its outermost pixels.
    const wxImage image = bitmap.ConvertToImage();
    constexpr int kBorder = 2;
    int inked = 0;
    for (int y = 0; y < size.y; ++y)
        for (int x = 0; x < size.x; ++x) {
            const bool edge = x < kBorder || y < kBorder || x >= size.x - kBorder || y >= size.y - kBorder;
            if (edge && (image.GetRed(x, y) < 250 || image.GetGreen(x, y) < 250 || image.GetBlue(x, y) < 250))
                ++inked;
        }
    EXPECT_EQ(inked, 0) << "chart " << size.x << "x" << size.y;
    window->Destroy();
    panel->Destroy();
}

}  // namespace
