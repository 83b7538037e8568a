#include "app/wx/wx_trend_window.h"

#include "app/wx/wx_colour.h"
#include "app/wx/wx_gtk_controls.h"
#include "app/wx/wx_gtk_window.h"
#include "app/wx/wx_side_window.h"
#include "app/wx/wx_template.h"
#include "panel/file_save.h"
#include "panel/theme_colours.h"
#include "panel/trend_chart.h"
#include "panel/file_save.h"
#include "panel/trend_csv.h"
#include "panel/trend_readout.h"
#include "res/resource.h"

#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/graphics.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <initializer_list>
#include <memory>
#include <utility>

namespace {

wxString FromUtf8(std::string_view s) { return wxString::FromUTF8(s.data(), s.size()); }

// The charts in the order of m_readouts.
constexpr TrendValue kValues[] = {TrendValue::Temperature, TrendValue::Analog};

// A field's colours in the current theme, and what the charts draw from them.
ChartColours ThemeChartColours() {
    return ChartColoursFor(ThemeColour(wxSYS_COLOUR_WINDOW), ThemeColour(wxSYS_COLOUR_WINDOWTEXT));
}

wxColour SeriesColour(const ChartColours& colours, TrendValue value) {
    return ToWx(value == TrendValue::Temperature ? colours.temperature : colours.analog);
}

}  // namespace

WxTrendWindow::WxTrendWindow(wxWindow* panel, TrendSeries& series, std::string programName,
                             std::function<void()> closed, RunModal runModal)
    : wxDialog(panel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX),
      m_series(series),
      m_programName(std::move(programName)),
      m_closed(std::move(closed)),
      m_runModal(std::move(runModal)) {
    PaintWithoutFrameSync(*this);  // redrawn with every reading
    const auto controls = BuildFromTemplate(*this, res::TrendTemplate());
    m_chart = controls.at(IDC_TREND_CHART);
    m_span = dynamic_cast<wxChoice*>(controls.at(IDC_TREND_SPAN));
    m_span->SetSelection(static_cast<int>(kDefaultTrendSpan));
    // The latest values, over the chart's right margin; UpdateReadouts
    // places them where the layout leaves room.
    for (std::size_t i = 0; i < std::size(kValues); ++i) {
        m_readouts[i] = new wxStaticText(m_chart, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                         wxST_NO_AUTORESIZE);
        m_readouts[i]->SetFont(LatestFont());
        SetAccessibleName(*m_readouts[i], ChartName(kValues[i]));
    }

    m_chart->SetBackgroundStyle(wxBG_STYLE_PAINT);  // the paint handler covers it all
    m_chart->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaintChart(); });
    m_chart->Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        UpdateReadouts();
        e.Skip();
    });
    m_span->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { Redraw(); });
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSave(); }, IDC_TREND_SAVE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        m_series.Clear();
        Redraw();
    }, IDC_TREND_CLEAR);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Destroy(); });
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& e) {
        Redraw();  // in the new theme's colours
        e.Skip();
    });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_ESCAPE) Close();
        else e.Skip();
    });

    // The panel runs modally: its grab holds its window group, not ours.
    GroupOfItsOwn(*this);
    UpdateReadouts();

    PlaceBesidePanel(*this, *panel);
}

WxTrendWindow::~WxTrendWindow() {
    if (m_closed) m_closed();
}

void WxTrendWindow::Redraw() {
    UpdateReadouts();
    m_chart->Refresh(false);
}

const TrendSpan& WxTrendWindow::Span() const {
    return TrendSpans()[static_cast<std::size_t>(std::max(m_span->GetSelection(), 0))];
}

void WxTrendWindow::UpdateReadouts() {
    const ChartColours colours = ThemeChartColours();
    const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsRenderer::GetDefaultRenderer()->CreateMeasuringContext());
    const TimeAxis time = MakeTimeAxis(m_series, Span(), ClockOffsetAt(std::time(nullptr)));
    const ValueAxis temperature = TemperatureAxis(m_series, time.from, time.to);
    const ValueAxis analog = AnalogAxis();
    const TrendTextSizes sizes = MeasureTexts(*gc, {&temperature, &analog});
    const wxSize area = m_chart->GetClientSize();
    const TrendLayout layout = LayOutCharts(area.x, area.y, sizes);
    for (std::size_t i = 0; i < std::size(kValues); ++i) {
        wxStaticText& label = *m_readouts[i];
        // Only what changed: a label's new text lays the window out again.
        const wxString text = FromUtf8(LatestText(m_series, kValues[i]));
        if (label.GetLabelText() != text) label.SetLabelText(text);
        const wxColour colour = SeriesColour(colours, kValues[i]);
        if (label.GetForegroundColour() != colour) label.SetForegroundColour(colour);
        SetAccessibleDescription(label, RangeText(m_series, kValues[i], Span()));
        const PlotRect& plot = i == 0 ? layout.temperature : layout.analog;
        const wxSize best = label.GetBestSize();
        const wxRect place(static_cast<int>(std::lround(plot.Right() + 2 * kLabelGap)),
                           static_cast<int>(std::lround(plot.y + (plot.h - best.y) / 2)),
                           std::max(static_cast<int>(std::ceil(sizes.latestWidth)), best.x), best.y);
        if (label.GetRect() != place) label.SetSize(place);
    }
}

void WxTrendWindow::OnPaintChart() {
    wxPaintDC dc(m_chart);  // GTK3 buffers the window's painting itself
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (!gc) return;
    PaintCharts(*gc, m_chart->GetClientSize(), m_chart->GetContentScaleFactor(), Span());
}

void WxTrendWindow::PaintCharts(wxGraphicsContext& gc, wxSize size, double scale, const TrendSpan& span) {
    const ChartColours colours = ThemeChartColours();
    gc.SetBrush(wxBrush(ToWx(colours.background)));
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.DrawRectangle(0, 0, size.x, size.y);

    const TimeAxis time = MakeTimeAxis(m_series, span, ClockOffsetAt(std::time(nullptr)));
    const ValueAxis temperature = TemperatureAxis(m_series, time.from, time.to);
    const ValueAxis analog = AnalogAxis();
    const TrendLayout layout = LayOutCharts(size.x, size.y, MeasureTexts(gc, {&temperature, &analog}));
    DrawChart(gc, layout.temperature, temperature, time, TrendValue::Temperature, colours, scale);
    DrawChart(gc, layout.analog, analog, time, TrendValue::Analog, colours, scale);

    // The shared time axis, under the lower chart.
    gc.SetFont(m_chart->GetFont(), ToWx(colours.text));
    const PlotRect& plot = layout.analog;
    double w = 0, h = 0;
    for (const std::int64_t t : time.grid) {
        const wxString label = FromUtf8(TimeLabel(time, t));
        gc.GetTextExtent(label, &w, &h);
        const double x = ToPixel(static_cast<double>(t), static_cast<double>(time.from),
                                 static_cast<double>(time.to), plot.x, plot.Right());
        gc.DrawText(label, x - w / 2, plot.Bottom() + kLabelGap / 2);
    }
    const wxString title = FromUtf8(kTimeTitle);
    gc.GetTextExtent(title, &w, &h);
    gc.DrawText(title, plot.x + (plot.w - w) / 2, plot.Bottom() + kLabelGap / 2 + h + 2);
}

wxFont WxTrendWindow::LatestFont() const {
    wxFont big = m_chart->GetFont().Bold();
    big.SetFractionalPointSize(big.GetFractionalPointSize() * 1.4);
    return big;
}

TrendTextSizes WxTrendWindow::MeasureTexts(wxGraphicsContext& gc, std::initializer_list<const ValueAxis*> axes) const {
    TrendTextSizes sizes;
    double w = 0, h = 0;
    gc.SetFont(m_chart->GetFont(), *wxBLACK);  // measured only
    for (const ValueAxis* axis : axes)
        for (const double v : axis->grid) {
            gc.GetTextExtent(FromUtf8(AxisLabel(*axis, v)), &w, &h);
            sizes.valueLabelWidth = std::max(sizes.valueLabelWidth, w);
            sizes.lineHeight = std::max(sizes.lineHeight, h);
        }
    gc.SetFont(LatestFont(), *wxBLACK);
    for (const std::string& text : {std::string(kLatestReserve), LatestText(m_series, TrendValue::Temperature),
                                    LatestText(m_series, TrendValue::Analog)}) {
        gc.GetTextExtent(FromUtf8(text), &w, &h);
        sizes.latestWidth = std::max(sizes.latestWidth, w);
    }
    return sizes;
}

void WxTrendWindow::DrawChart(wxGraphicsContext& gc, const PlotRect& plot, const ValueAxis& axis,
                              const TimeAxis& time, TrendValue value, const ChartColours& colours,
                              double scale) {
    const wxColour colour = SeriesColour(colours, value);
    const double hair = 1 / scale;  // one device pixel
    const auto yOf = [&](double v) { return ToPixel(v, axis.lo, axis.hi, plot.Bottom(), plot.y); };
    const auto xOf = [&](std::int64_t t) {
        return ToPixel(static_cast<double>(t), static_cast<double>(time.from),
                       static_cast<double>(time.to), plot.x, plot.Right());
    };
    gc.SetFont(m_chart->GetFont(), ToWx(colours.text));
    double w = 0, h = 0;

    // Grid and value labels.
    gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(ToWx(colours.grid)).Width(hair)));
    for (const double v : axis.grid) {
        const double y = SnapToPixel(yOf(v), scale);
        gc.StrokeLine(plot.x, y, plot.Right(), y);
        const wxString label = FromUtf8(AxisLabel(axis, v));
        gc.GetTextExtent(label, &w, &h);
        gc.DrawText(label, plot.x - kLabelGap - w, yOf(v) - h / 2);
    }
    for (const std::int64_t t : time.grid) {
        const double x = SnapToPixel(xOf(t), scale);
        gc.StrokeLine(x, plot.y, x, plot.Bottom());
    }
    gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(ToWx(colours.frame)).Width(hair)));
    gc.SetBrush(*wxTRANSPARENT_BRUSH);
    const double left = SnapToPixel(plot.x, scale), top = SnapToPixel(plot.y, scale);
    gc.DrawRectangle(left, top, SnapToPixel(plot.Right(), scale) - left,
                     SnapToPixel(plot.Bottom(), scale) - top);

    // The title above; the latest value beside is a label of its own.
    gc.DrawText(FromUtf8(value == TrendValue::Temperature ? kTemperatureTitle : kAnalogTitle), plot.x,
                plot.y - h - 4);

    // The line, kept inside its plot.
    gc.PushState();
    gc.Clip(plot.x, plot.y, plot.w, plot.h);
    gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(colour).Width(1.5).Join(wxJOIN_ROUND)));
    gc.SetBrush(wxBrush(colour));
    for (const TrendLine& line : TrendLines(m_series, value, time.from, time.to, static_cast<int>(std::ceil(plot.w * scale)))) {
        if (line.size() == 1) {
            gc.DrawEllipse(xOf(line[0].first) - 1.5, yOf(line[0].second) - 1.5, 3, 3);
            continue;
        }
        wxGraphicsPath path = gc.CreatePath();
        path.MoveToPoint(xOf(line[0].first), yOf(line[0].second));
        for (std::size_t i = 1; i < line.size(); ++i) path.AddLineToPoint(xOf(line[i].first), yOf(line[i].second));
        gc.StrokePath(path);
    }
    gc.PopState();
}

void WxTrendWindow::OnSave() {
    if (m_runModal)
        m_runModal([this] { SaveAs(); });
    else
        SaveAs();
}

void WxTrendWindow::SaveAs() {
    wxFileDialog chooser(this, FromUtf8("Salva CSV"), wxGetCwd(), "andamento.csv",
                         "CSV (*.csv)|*.csv", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (chooser.ShowModal() != wxID_OK) return;
    const std::string path = chooser.GetPath().utf8_string();  // owned: utf8_str() may point into a temporary
    const std::filesystem::path file(path);
    const std::error_code error = SaveTrendCsv(m_series, file);
    if (!error) return;
    wxMessageDialog box(this, FromUtf8(SaveFailedText(file, error)), FromUtf8(m_programName), wxOK | wxICON_NONE);
    box.ShowModal();
}
