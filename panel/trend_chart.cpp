#include "panel/trend_chart.h"

#include "panel/local_time.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

using std::string_view_literals::operator""sv;

constexpr std::array kSpans = {
    TrendSpan{60, "1 min"sv, 10, true, "nell'ultimo minuto"sv},
    TrendSpan{600, "10 min"sv, 120, false, "negli ultimi 10 minuti"sv},
    TrendSpan{3600, "60 min"sv, 600, false, "negli ultimi 60 minuti"sv},
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

// A point's `value`, as a number to draw; none when it was not read.
std::optional<double> ValueOf(const TrendPoint& p, TrendValue value) {
    if (value == TrendValue::Temperature) return p.temperature;
    return p.analog ? std::optional<double>(*p.analog) : std::nullopt;
}

}  // namespace

std::span<const TrendSpan> TrendSpans() { return kSpans; }

ClockOffset ClockOffsetAt(std::time_t when) {
    const LocalTime local = LocalTimeAt(when);
    return {UtcSeconds(local), local.utcOffset};
}

TimeAxis MakeTimeAxis(const TrendSeries& series, const TrendSpan& span, ClockOffset now) {
    TimeAxis axis;
    axis.to = series.Empty() ? now.utc : series.Latest().utc;
    axis.from = axis.to - span.seconds;
    axis.labelSeconds = span.labelSeconds;
    for (std::size_t i = series.FirstSince(axis.from); i < series.Size(); ++i) {
        const TrendPoint& p = series[i];
        if (axis.offsets.empty() || axis.offsets.back().offset != p.utcOffset)
            axis.offsets.push_back({p.utc, p.utcOffset});
    }
    if (axis.offsets.empty()) axis.offsets.push_back({axis.from, series.Empty() ? now.offset : series.Latest().utcOffset});
    // Grid lines on round local times (14:10, 14:12, not 14:09:37), in the
    // offset of each stretch of the axis.
    const std::int64_t step = span.gridSeconds;
    for (std::size_t k = 0; k < axis.offsets.size(); ++k) {
        const std::int64_t offset = axis.offsets[k].offset;
        const std::int64_t begin = k == 0 ? axis.from : axis.offsets[k].utc;
        const std::int64_t end = k + 1 < axis.offsets.size() ? axis.offsets[k + 1].utc : axis.to + 1;
        const std::int64_t localBegin = begin + offset;
        std::int64_t local = localBegin - ((localBegin % step) + step) % step;
        if (local < localBegin) local += step;
        for (; local - offset < end; local += step) axis.grid.push_back(local - offset);
    }
    return axis;
}

std::string TimeLabel(const TimeAxis& axis, std::int64_t utc) {
    std::int32_t offset = axis.offsets.empty() ? 0 : axis.offsets.front().offset;
    for (const ClockOffset& o : axis.offsets)
        if (o.utc <= utc) offset = o.offset;
    const std::int64_t local = utc + offset;
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

std::optional<ValueRange> RangeOver(const TrendSeries& series, TrendValue value, std::int64_t from,
                                    std::int64_t to) {
    std::optional<ValueRange> range;
    for (std::size_t i = series.FirstSince(from); i < series.Size(); ++i) {
        const TrendPoint& p = series[i];
        const std::optional<double> v = ValueOf(p, value);
        if (!v || p.utc > to) continue;
        range = range ? ValueRange{std::min(range->lo, *v), std::max(range->hi, *v)} : ValueRange{*v, *v};
    }
    return range;
}

ValueAxis TemperatureAxis(const TrendSeries& series, std::int64_t from, std::int64_t to) {
    const std::optional<ValueRange> range = RangeOver(series, TrendValue::Temperature, from, to);
    const bool any = range.has_value();
    const double lo = any ? range->lo : 15, hi = any ? range->hi : 30;
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
                                  std::int64_t to, int columns) {
    std::vector<TrendLine> lines;
    const std::int64_t span = std::max<std::int64_t>(to - from, 1);
    const std::int64_t width = std::max(columns, 1);
    const auto columnOf = [&](std::int64_t utc) { return (utc - from) * width / span; };
    // The column being gathered: its lowest and highest points so far.
    std::optional<std::pair<std::int64_t, double>> low, high;
    std::int64_t column = -1;
    const auto flush = [&] {
        if (!low) return;
        const bool lowFirst = low->first <= high->first;
        lines.back().push_back(lowFirst ? *low : *high);
        if (low != high) lines.back().push_back(lowFirst ? *high : *low);
        low.reset();
        high.reset();
    };
    bool open = false;  // the last line can go on
    std::int64_t last = 0;
    for (std::size_t i = series.FirstSince(from); i < series.Size(); ++i) {
        const TrendPoint& p = series[i];
        const std::optional<double> v = ValueOf(p, value);
        if (!v || p.utc > to) {
            flush();
            open = false;
            continue;
        }
        if (!open || p.utc - last > kMaxStepSeconds || p.utc < last) {
            flush();
            lines.emplace_back();
        } else if (columnOf(p.utc) != column) {
            flush();
        }
        column = columnOf(p.utc);
        const std::pair<std::int64_t, double> point{p.utc, *v};
        if (!low || point.second < low->second) low = point;
        if (!high || point.second > high->second) high = point;
        open = true;
        last = p.utc;
    }
    flush();
    return lines;
}

std::string ValueText(TrendValue value, double v) {
    return value == TrendValue::Temperature ? Fixed(v, 1) + "°C" : Fixed(v, 0);
}

std::string LatestText(const TrendSeries& series, TrendValue value) {
    const bool temperature = value == TrendValue::Temperature;
    if (!series.Empty()) {
        const TrendPoint& p = series.Latest();
        if (temperature && p.temperature) return ValueText(value, *p.temperature);
        if (!temperature && p.analog) return ValueText(value, *p.analog);
    }
    return temperature ? "---°C" : "---";
}

TrendLayout LayOutCharts(double width, double height, const TrendTextSizes& text) {
    // Room for the grid labels on the left, the latest value on the right,
    // each chart's title above it, and under the lower one the time labels
    // and the axis title; a little air beyond each.
    constexpr double kAir = 4, kBetween = 16;
    const double left = text.valueLabelWidth + kLabelGap + kAir;
    const double right = 2 * kLabelGap + text.latestWidth + kAir;
    const double title = text.lineHeight + kAir;
    const double bottom = kLabelGap / 2 + 2 * text.lineHeight + 2 + kAir;
    const double w = std::max(width - left - right, 1.0);
    const double h = std::max((height - 2 * title - bottom - kBetween) / 2, 1.0);
    TrendLayout layout;
    layout.temperature = {left, title, w, h};
    layout.analog = {left, layout.temperature.Bottom() + kBetween + title, w, h};
    return layout;
}

double ToPixel(double v, double lo, double hi, double pixelLo, double pixelHi) {
    if (hi == lo) return (pixelLo + pixelHi) / 2;
    return pixelLo + (v - lo) / (hi - lo) * (pixelHi - pixelLo);
}

double SnapToPixel(double v, double scale) { return (std::floor(v * scale) + 0.5) / scale; }
