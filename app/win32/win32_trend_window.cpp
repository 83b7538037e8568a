#include "app/win32/win32_trend_window.h"

#include "app/win32/win32_dialog_keys.h"
#include "app/win32/win32_dpi.h"
#include "app/win32/win32_placement.h"
#include "app/win32/win32_save_file.h"
#include "app/win32/win32_colour.h"
#include "app/win32/win32_text.h"
#include "panel/theme_colours.h"
#include "panel/trend_chart.h"
#include "panel/file_save.h"
#include "panel/trend_csv.h"
#include "panel/trend_readout.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// The charts in the order of m_readouts, with their labels' ids.
constexpr TrendValue kValues[] = {TrendValue::Temperature, TrendValue::Analog};
constexpr int kReadoutIds[] = {IDC_TREND_TEMP_VALUE, IDC_TREND_ANALOG_VALUE};

// The window's colours in the system's settings, and what the charts draw from them.
ChartColours SystemChartColours() {
    return ChartColoursFor(ToRgb(::GetSysColor(COLOR_WINDOW)), ToRgb(::GetSysColor(COLOR_WINDOWTEXT)));
}

COLORREF SeriesColour(const ChartColours& colours, TrendValue value) {
    return ToColorref(value == TrendValue::Temperature ? colours.temperature : colours.analog);
}

// The latest values' font: the dialog's, larger and bold.
HFONT CreateLatestFont(HWND dialog) {
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0));
    LOGFONTW big{};
    ::GetObjectW(font, sizeof big, &big);
    big.lfHeight = big.lfHeight * 7 / 5;
    big.lfWeight = FW_BOLD;
    return ::CreateFontIndirectW(&big);
}

// Drawing in device pixels from the shared layout's logical ones.
struct Canvas {
    HDC dc;
    double scale;
    int Px(double logical) const { return static_cast<int>(std::lround(logical * scale)); }

    void Line(int x0, int y0, int x1, int y1, COLORREF colour) const {
        HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
        HGDIOBJ old = ::SelectObject(dc, pen);
        ::MoveToEx(dc, x0, y0, nullptr);
        ::LineTo(dc, x1, y1);
        ::SelectObject(dc, old);
        ::DeleteObject(pen);
    }
    // `align`: 0 left, 1 centre, 2 right of x; y is the text's top.
    void Text(const std::string& utf8, int x, int y, int align, COLORREF colour) const {
        const std::wstring text = Wide(utf8);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::SetTextColor(dc, colour);
        ::TextOutW(dc, x - align * size.cx / 2, y, text.c_str(), static_cast<int>(text.size()));
    }
    // Logical width and height of a text in the selected font.
    std::pair<double, double> Extent(const std::string& utf8) const {
        const std::wstring text = Wide(utf8);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return {size.cx / scale, size.cy / scale};
    }
    int TextHeight() const {
        TEXTMETRICW tm{};
        ::GetTextMetricsW(dc, &tm);
        return tm.tmHeight;
    }
};

TrendTextSizes MeasureTexts(const Canvas& c, const TrendSeries& series, std::initializer_list<const ValueAxis*> axes,
                            HFONT font, HFONT bold) {
    TrendTextSizes sizes;
    HGDIOBJ old = ::SelectObject(c.dc, font);
    for (const ValueAxis* axis : axes)
        for (const double v : axis->grid) {
            const auto [w, h] = c.Extent(AxisLabel(*axis, v));
            sizes.valueLabelWidth = std::max(sizes.valueLabelWidth, w);
            sizes.lineHeight = std::max(sizes.lineHeight, h);
        }
    ::SelectObject(c.dc, bold);
    for (const std::string& text : {std::string(kLatestReserve), LatestText(series, TrendValue::Temperature),
                                    LatestText(series, TrendValue::Analog)})
        sizes.latestWidth = std::max(sizes.latestWidth, c.Extent(text).first);
    ::SelectObject(c.dc, old);
    return sizes;
}

void DrawChart(const Canvas& c, const TrendSeries& series, const PlotRect& plot, const ValueAxis& axis,
               const TimeAxis& time, TrendValue value, const ChartColours& colours) {
    const COLORREF colour = SeriesColour(colours, value), text = ToColorref(colours.text),
                   grid = ToColorref(colours.grid), frame = ToColorref(colours.frame);
    const int left = c.Px(plot.x), top = c.Px(plot.y), right = c.Px(plot.Right()),
              bottom = c.Px(plot.Bottom());
    const auto yOf = [&](double v) {
        return static_cast<int>(std::lround(ToPixel(v, axis.lo, axis.hi, bottom, top)));
    };
    const auto xOf = [&](std::int64_t t) {
        return static_cast<int>(std::lround(ToPixel(static_cast<double>(t), static_cast<double>(time.from),
                                                    static_cast<double>(time.to), left, right)));
    };
    const int h = c.TextHeight();
    for (const double v : axis.grid) {
        c.Line(left, yOf(v), right, yOf(v), grid);
        c.Text(AxisLabel(axis, v), left - c.Px(kLabelGap), yOf(v) - h / 2, 2, text);
    }
    for (const std::int64_t t : time.grid) c.Line(xOf(t), top, xOf(t), bottom, grid);
    c.Line(left, top, right, top, frame);
    c.Line(right, top, right, bottom, frame);
    c.Line(right, bottom, left, bottom, frame);
    c.Line(left, bottom, left, top, frame);
    // The title above; the latest value beside is a static text of its own.
    c.Text(std::string(value == TrendValue::Temperature ? kTemperatureTitle : kAnalogTitle), left,
           top - h - c.Px(4), 0, text);

    // The line, kept inside its plot.
    HRGN clip = ::CreateRectRgn(left + 1, top + 1, right, bottom);
    ::SelectClipRgn(c.dc, clip);
    HPEN pen = ::CreatePen(PS_SOLID, std::max(1, c.Px(1.5)), colour);
    HBRUSH brush = ::CreateSolidBrush(colour);
    HGDIOBJ oldPen = ::SelectObject(c.dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(c.dc, brush);
    for (const TrendLine& line : TrendLines(series, value, time.from, time.to, right - left)) {
        std::vector<POINT> points;
        for (const auto& [t, v] : line) points.push_back({xOf(t), yOf(v)});
        if (points.size() == 1) {
            const int r = c.Px(1.5);
            ::Ellipse(c.dc, points[0].x - r, points[0].y - r, points[0].x + r + 1, points[0].y + r + 1);
        } else {
            ::Polyline(c.dc, points.data(), static_cast<int>(points.size()));
        }
    }
    ::SelectObject(c.dc, oldBrush);
    ::SelectObject(c.dc, oldPen);
    ::DeleteObject(brush);
    ::DeleteObject(pen);
    ::SelectClipRgn(c.dc, nullptr);
    ::DeleteObject(clip);
}

}  // namespace

Win32TrendWindow::Win32TrendWindow(HINSTANCE instance, std::string programName, RunModal runModal)
    : m_instance(instance), m_programName(std::move(programName)), m_runModal(std::move(runModal)) {}

Win32TrendWindow::~Win32TrendWindow() {
    if (m_hwnd != nullptr) ::DestroyWindow(m_hwnd);
}

void Win32TrendWindow::UpdateReadouts() {
    const auto at = static_cast<std::size_t>(
        std::max<LRESULT>(0, ::SendDlgItemMessageW(m_hwnd, IDC_TREND_SPAN, CB_GETCURSEL, 0, 0)));
    const TrendSpan& span = TrendSpans()[std::min(at, TrendSpans().size() - 1)];
    for (std::size_t i = 0; i < std::size(kValues); ++i) {
        const std::wstring text = Wide(LatestText(*m_series, kValues[i]));
        if (WindowText(m_readouts[i]) != text) ::SetWindowTextW(m_readouts[i], text.c_str());
        if (m_props == nullptr) continue;
        m_props->SetHwndPropStr(m_readouts[i], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_VALUE,
                                text.c_str());
        m_props->SetHwndPropStr(m_readouts[i], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                PROPID_ACC_DESCRIPTION, Wide(RangeText(*m_series, kValues[i], span)).c_str());
    }
}

void Win32TrendWindow::Show(HWND owner, TrendSeries& series) {
    m_series = &series;
    if (m_hwnd == nullptr) {
        ::CreateDialogParamW(m_instance, MAKEINTRESOURCEW(IDD_TREND), owner, ObjectDialogProc<Win32TrendWindow>,
                             reinterpret_cast<LPARAM>(this));
        if (m_hwnd == nullptr) return;
        PlaceBesidePanel(m_hwnd, owner);
        ::ShowWindow(m_hwnd, SW_SHOWNORMAL);
    }
    ::SetForegroundWindow(m_hwnd);
    ::BringWindowToTop(m_hwnd);
}

void Win32TrendWindow::Redraw() {
    if (m_hwnd == nullptr) return;
    UpdateReadouts();
    ::InvalidateRect(::GetDlgItem(m_hwnd, IDC_TREND_CHART), nullptr, FALSE);
}

INT_PTR Win32TrendWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        const HWND span = ::GetDlgItem(m_hwnd, IDC_TREND_SPAN);
        for (const TrendSpan& s : TrendSpans())
            ::SendMessageW(span, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(s.label).c_str()));
        ::SendMessageW(span, CB_SETCURSEL, kDefaultTrendSpan, 0);
        // The latest values over the chart, which leaves them alone when
        // it paints; Draw places them where the layout leaves room.
        const HWND chart = ::GetDlgItem(m_hwnd, IDC_TREND_CHART);
        ::SetWindowLongPtrW(chart, GWL_STYLE, ::GetWindowLongPtrW(chart, GWL_STYLE) | WS_CLIPSIBLINGS);
        m_readoutFont = CreateLatestFont(m_hwnd);
        if (FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                      reinterpret_cast<void**>(&m_props))))
            m_props = nullptr;
        for (std::size_t i = 0; i < std::size(kValues); ++i) {
            m_readouts[i] = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0,
                                              0, 0, m_hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kReadoutIds[i])),
                                              m_instance, nullptr);
            ::SendMessageW(m_readouts[i], WM_SETFONT, reinterpret_cast<WPARAM>(m_readoutFont), FALSE);
            ::SetWindowPos(m_readouts[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            if (m_props != nullptr)
                m_props->SetHwndPropStr(m_readouts[i], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                        PROPID_ACC_NAME, Wide(ChartName(kValues[i])).c_str());
        }
        UpdateReadouts();
        KeepDialogKeys(m_hwnd);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        // The latest values: in their series' colour on the charts' background.
        const auto label = reinterpret_cast<HWND>(lParam);
        const auto which = std::ranges::find(m_readouts, label);
        if (which == std::end(m_readouts)) return FALSE;
        const HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, SeriesColour(SystemChartColours(), kValues[which - std::begin(m_readouts)]));
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_SYSCOLORCHANGE:
        Redraw();
        ::InvalidateRect(m_hwnd, nullptr, TRUE);
        return FALSE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_TREND_CHART) return FALSE;
        Draw(*item);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_TREND_SPAN:
            if (HIWORD(wParam) == CBN_SELCHANGE) Redraw();
            return TRUE;
        case IDC_TREND_SAVE: Save(); return TRUE;
        case IDC_TREND_CLEAR:
            m_series->Clear();
            Redraw();
            return TRUE;
        case IDCANCEL: ::DestroyWindow(m_hwnd); return TRUE;
        default: return FALSE;
        }
    case WM_CLOSE: ::DestroyWindow(m_hwnd); return TRUE;
    case WM_DPICHANGED:
        FollowDpiChange(m_hwnd, lParam);
        return FALSE;
    case WM_NCDESTROY:
        DropDialogKeys(m_hwnd);
        if (m_props != nullptr) m_props->Release();
        m_props = nullptr;
        if (m_readoutFont != nullptr) ::DeleteObject(m_readoutFont);
        m_readoutFont = nullptr;
        m_hwnd = nullptr;
        return FALSE;
    default: return FALSE;
    }
}

void Win32TrendWindow::Draw(const DRAWITEMSTRUCT& item) {
    const RECT area = item.rcItem;
    const int width = area.right - area.left, height = area.bottom - area.top;
    // Device pixels per logical pixel: the window's DPI over 96. (The DC's
    // LOGPIXELSX is the system's, not the monitor's.)
    const double scale = WindowDpi(m_hwnd) / 96.0;
    HDC dc = ::CreateCompatibleDC(item.hDC);
    HBITMAP bitmap = ::CreateCompatibleBitmap(item.hDC, width, height);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    const RECT all{0, 0, width, height};
    const ChartColours colours = SystemChartColours();
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_WINDOW));
    ::SetBkMode(dc, TRANSPARENT);
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0));
    const HFONT bold = m_readoutFont;
    HGDIOBJ oldFont = ::SelectObject(dc, font);

    const Canvas c{dc, scale};
    const auto at = static_cast<std::size_t>(
        std::max<LRESULT>(0, ::SendDlgItemMessageW(m_hwnd, IDC_TREND_SPAN, CB_GETCURSEL, 0, 0)));
    const TrendSpan& span = TrendSpans()[std::min(at, TrendSpans().size() - 1)];
    const TimeAxis time = MakeTimeAxis(*m_series, span, ClockOffsetAt(std::time(nullptr)));
    const ValueAxis temperature = TemperatureAxis(*m_series, time.from, time.to);
    const ValueAxis analog = AnalogAxis();
    const TrendTextSizes sizes = MeasureTexts(c, *m_series, {&temperature, &analog}, font, bold);
    const TrendLayout layout = LayOutCharts(width / scale, height / scale, sizes);
    DrawChart(c, *m_series, layout.temperature, temperature, time, TrendValue::Temperature, colours);
    DrawChart(c, *m_series, layout.analog, analog, time, TrendValue::Analog, colours);
    // The shared time axis, under the lower chart.
    const PlotRect& plot = layout.analog;
    const int labelsTop = c.Px(plot.Bottom() + kLabelGap / 2);
    for (const std::int64_t t : time.grid) {
        const double x = ToPixel(static_cast<double>(t), static_cast<double>(time.from),
                                 static_cast<double>(time.to), plot.x, plot.Right());
        c.Text(TimeLabel(time, t), c.Px(x), labelsTop, 1, ToColorref(colours.text));
    }
    c.Text(std::string(kTimeTitle), c.Px(plot.x + plot.w / 2), labelsTop + c.TextHeight() + c.Px(2), 1,
           ToColorref(colours.text));

    // The latest values beside their charts, in the dialog's coordinates.
    ::SelectObject(dc, bold);
    const int labelHeight = c.TextHeight();
    POINT origin{area.left, area.top};
    ::MapWindowPoints(item.hwndItem, m_hwnd, &origin, 1);
    for (std::size_t i = 0; i < std::size(kValues); ++i) {
        const PlotRect& p = i == 0 ? layout.temperature : layout.analog;
        const RECT want{origin.x + c.Px(p.Right() + 2 * kLabelGap), origin.y + c.Px(p.y + p.h / 2) - labelHeight / 2,
                        origin.x + c.Px(p.Right() + 2 * kLabelGap + sizes.latestWidth) + 1,
                        origin.y + c.Px(p.y + p.h / 2) - labelHeight / 2 + labelHeight};
        RECT now{};
        ::GetWindowRect(m_readouts[i], &now);
        ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&now), 2);
        if (!::EqualRect(&now, &want))
            ::SetWindowPos(m_readouts[i], nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
    }

    ::BitBlt(item.hDC, area.left, area.top, width, height, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

void Win32TrendWindow::Save() {
    m_runModal([this] { SaveAs(); });
}

void Win32TrendWindow::SaveAs() {
    SaveWithChooser(m_hwnd, m_programName, {"Salva CSV", "andamento.csv", "CSV", "csv"},
                    [this](const std::filesystem::path& path) { return SaveTrendCsv(*m_series, path); });
}
