#include "panel/trend_chart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

using std::string_view_literals::operator""sv;

constexpr std::array kSpans = {
    TrendSpan{60, "1 min"sv, 10, true},
    TrendSpan{600, "10 min"sv, 120, false},
    TrendSpan{3600, "60 min"sv, 600, false},
};

// About five grid steps over `range`, each 1, 2 or 5 times a power of ten.
double NiceStep(double range) {
    const double rough = range / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) return m * power;
    return 10 * power;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    const auto r = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string out(text, r.ptr);
    return out == "-0" || out == "-0.0" ? out.substr(1) : out;
}

}  // namespace

std::span<const TrendSpan> TrendSpans() { return kSpans; }

TimeAxis MakeTimeAxis(const TrendSeries& series, const TrendSpan& span) {
    TimeAxis axis;
    if (!series.Empty()) {
        axis.to = series.Latest().utc;
        axis.utcOffset = series.Latest().utcOffset;
    }
    axis.from = axis.to - span.seconds;
    axis.labelSeconds = span.labelSeconds;
    // Grid lines on round local times: 14:10, 14:12, not 14:09:37.
    const std::int64_t step = span.gridSeconds;
    const std::int64_t localFrom = axis.from + axis.utcOffset;
    std::int64_t local = localFrom - ((localFrom % step) + step) % step;
    if (local < localFrom) local += step;
    for (; local <= axis.to + axis.utcOffset; local += step) axis.grid.push_back(local - axis.utcOffset);
    return axis;
}

std::string TimeLabel(const TimeAxis& axis, std::int64_t utc) {
    const std::int64_t local = utc + axis.utcOffset;
    const std::int64_t s = ((local % 86400) + 86400) % 86400;
    char text[16];
    if (axis.labelSeconds)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(s / 3600),
                      static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
    else
        std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(s / 3600),
                      static_cast<int>(s / 60 % 60));
    return text;
}

ValueAxis TemperatureAxis(const TrendSeries& series, std::int64_t from, std::int64_t to) {
    bool any = false;
    double lo = 0, hi = 0;
    for (std::size_t i = 0; i < series.Size(); ++i) {
        const TrendPoint& p = series[i];
        if (!p.temperature || p.utc < from || p.utc > to) continue;
        lo = any ? std::min(lo, *p.temperature) : *p.temperature;
        hi = any ? std::max(hi, *p.temperature) : *p.temperature;
        any = true;
    }
    if (!any) lo = 15, hi = 30;
    // A tenth of the range on each side, and at least half a degree, so a
    // flat line sits in the middle rather than on an edge.
    const double margin = any ? std::max((hi - lo) * 0.1, 0.5) : 0;
    const double step = NiceStep(hi - lo + 2 * margin);
    ValueAxis axis;
    // The ends on the grid; the slack keeps 23 / 0.2 from landing on 114.99.
    axis.lo = std::floor((lo - margin) / step + 1e-9) * step;
    axis.hi = std::ceil((hi + margin) / step - 1e-9) * step;
    axis.decimals = step < 1 ? 1 : 0;
    const int lines = static_cast<int>(std::lround((axis.hi - axis.lo) / step));
    for (int i = 0; i <= lines; ++i) axis.grid.push_back(axis.lo + i * step);
    return axis;
}

ValueAxis AnalogAxis() { return {0, 1023, {0, 256, 512, 768, 1023}, 0}; }

std::string AxisLabel(const ValueAxis& axis, double value) { return Fixed(value, axis.decimals); }

std::vector<TrendLine> TrendLines(const TrendSeries& series, TrendValue value, std::int64_t from,
                                  std::int64_t to) {
    std::vector<TrendLine> lines;
    bool open = false;  // the last line can go on
    std::int64_t last = 0;
    for (std::size_t i = 0; i < series.Size(); ++i) {
        const TrendPoint& p = series[i];
        if (p.utc < from || p.utc > to) {
            open = false;
            continue;
        }
        const std::optional<double> v =
            value == TrendValue::Temperature
                ? p.temperature
                : (p.analog ? std::optional<double>(*p.analog) : std::nullopt);
        if (!v) {
            open = false;
            continue;
        }
        if (!open || p.utc - last > kMaxStepSeconds || p.utc < last) lines.emplace_back();
        lines.back().emplace_back(p.utc, *v);
        open = true;
        last = p.utc;
    }
    return lines;
}

std::string LatestText(const TrendSeries& series, TrendValue value) {
    const bool temperature = value == TrendValue::Temperature;
    if (!series.Empty()) {
        const TrendPoint& p = series.Latest();
        if (temperature && p.temperature) return Fixed(*p.temperature, 1) + "°C";
        if (!temperature && p.analog) return std::to_string(*p.analog);
    }
    return temperature ? "---°C" : "---";
}

TrendLayout LayOutCharts(double width, double height) {
    // Room for the grid labels on the left, the latest value on the right,
    // each chart's title above it and the time labels and title below.
    constexpr double kLeft = 48, kRight = 92, kTitle = 24, kBottom = 40;
    const double w = std::max(width - kLeft - kRight, 1.0);
    const double h = std::max((height - 2 * kTitle - kBottom) / 2 - 8, 1.0);
    TrendLayout layout;
    layout.temperature = {kLeft, kTitle, w, h};
    layout.analog = {kLeft, layout.temperature.Bottom() + 16 + kTitle, w, h};
    return layout;
}

double ToPixel(double v, double lo, double hi, double pixelLo, double pixelHi) {
    if (hi == lo) return (pixelLo + pixelHi) / 2;
    return pixelLo + (v - lo) / (hi - lo) * (pixelHi - pixelLo);
}

double SnapToPixel(double v, double scale) { return (std::floor(v * scale) + 0.5) / scale; }
