// The wxWidgets trend window's charts, painted off screen on a real X
// display at the font scale and in the theme the test runs with
// (GDK_DPI_SCALE, GTK_THEME).
#include "app/wx/wx_colour.h"
#include "app/wx/wx_trend_window.h"
#include "panel/theme_colours.h"
#include "panel/trend_chart.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/stattext.h>

#include <ctime>
#include <map>
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

// Flat lines: whole pixels in each series' own colour.
TrendSeries FlatSeries() {
    TrendSeries series;
    const std::int64_t now = std::time(nullptr);
    for (std::int64_t i = 300; i > 0; --i) series.Add({now - i, 3600, 22.0, 512});
    return series;
}

struct WxTrend : ::testing::Test {
    wxFrame* panel = new wxFrame(nullptr, wxID_ANY, "panel");
    TrendSeries series;
    WxTrendWindow* window = nullptr;

    void Open(TrendSeries s) {
        series = std::move(s);
        window = new WxTrendWindow(panel, series, "velmora", {});
    }
    wxWindow& Chart() const { return *window->FindWindow(IDC_TREND_CHART); }
    // The charts as a paint of the window draws them, at 1x.
    wxImage Painted() const {
        const wxSize size = Chart().GetClientSize();
        wxBitmap bitmap(size.x, size.y, 24);
        {
            wxMemoryDC dc(bitmap);
            std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
            window->PaintCharts(*gc, size, 1.0, TrendSpans()[kDefaultTrendSpan]);
        }
        return bitmap.ConvertToImage();
    }
    void TearDown() override {
        if (window != nullptr) window->Destroy();
        panel->Destroy();
    }
};

Rgb PixelAt(const wxImage& image, int x, int y) { return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)}; }

// Whether `p` is `ink` over `background`, antialiased at 60% or more:
// on the line from one to the other, near the ink's end.
bool InkedWith(Rgb p, Rgb ink, Rgb background) {
    const double d[3] = {double(ink.r) - background.r, double(ink.g) - background.g, double(ink.b) - background.b};
    const double q[3] = {double(p.r) - background.r, double(p.g) - background.g, double(p.b) - background.b};
    const double length = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    const double t = (q[0] * d[0] + q[1] * d[1] + q[2] * d[2]) / length;
    double off = 0;
    for (int i = 0; i < 3; ++i) off += (q[i] - t * d[i]) * (q[i] - t * d[i]);
    return t >= 0.6 && off < 12 * 12;
}

TEST_F(WxTrend, NoTextIsCutAtTheChartsEdges) {
    Open(WideSeries());
    const wxImage image = Painted();
    const Rgb background = ThemeColour(wxSYS_COLOUR_WINDOW);
    // A text that runs past the chart's edge leaves ink on its outermost pixels.
    constexpr int kBorder = 2;
    const int w = image.GetWidth(), h = image.GetHeight();
    int inked = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool edge = x < kBorder || y < kBorder || x >= w - kBorder || y >= h - kBorder;
            if (edge && ContrastRatio(PixelAt(image, x, y), background) > 1.05) ++inked;
        }
    EXPECT_EQ(inked, 0) << "chart " << w << "x" << h;
    // The latest values are labels of their own: inside the chart, and wide
    // enough for their text.
    const wxRect area(Chart().GetClientSize());
    int labels = 0;
    for (const wxWindow* child : Chart().GetChildren()) {
        const auto* label = dynamic_cast<const wxStaticText*>(child);
        if (label == nullptr) continue;
        ++labels;
        EXPECT_TRUE(area.Contains(label->GetRect())) << label->GetLabel() << " at " << label->GetRect().x << ","
                                                     << label->GetRect().y << " in " << w << "x" << h;
        EXPECT_GE(label->GetSize().x, label->GetTextExtent(label->GetLabel()).x) << label->GetLabel();
    }
    EXPECT_EQ(labels, 2);
}

TEST_F(WxTrend, ChartsAreDrawnInTheThemesColours) {
    Open(FlatSeries());
    const ChartColours colours =
        ChartColoursFor(ThemeColour(wxSYS_COLOUR_WINDOW), ThemeColour(wxSYS_COLOUR_WINDOWTEXT));
    const wxImage image = Painted();
    std::map<std::uint32_t, int> count;
    int temperature = 0, analog = 0;
    const auto key = [](Rgb c) { return static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b); };
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            const Rgb p = PixelAt(image, x, y);
            ++count[key(p)];
            temperature += InkedWith(p, colours.temperature, colours.background) ? 1 : 0;
            analog += InkedWith(p, colours.analog, colours.background) ? 1 : 0;
        }
    const auto most = std::ranges::max_element(count, {}, &std::pair<const std::uint32_t, int>::second);
    EXPECT_EQ(most->first, key(colours.background)) << "the theme's field is " << HexText(colours.background);
    // Each flat line, in its own colour, which reads on the background.
    EXPECT_GT(temperature, 100) << HexText(colours.temperature);
    EXPECT_GT(analog, 100) << HexText(colours.analog);
    EXPECT_GE(ContrastRatio(colours.temperature, colours.background), kMinContrast);
    EXPECT_GE(ContrastRatio(colours.analog, colours.background), kMinContrast);
    // The latest values' labels in the same colours.
    std::vector<wxColour> inks;
    for (const wxWindow* child : Chart().GetChildren())
        if (dynamic_cast<const wxStaticText*>(child) != nullptr) inks.push_back(child->GetForegroundColour());
    EXPECT_EQ(inks, (std::vector<wxColour>{ToWx(colours.temperature), ToWx(colours.analog)}));
}

}  // namespace
