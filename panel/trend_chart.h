// What the trend window's two charts are drawn from, the same on every
// build: the time spans to choose from, the axes and their grid, the lines
// (broken at every gap), the texts beside the charts and where the charts
// lie in the window. A frontend only turns these numbers into pixels.
#ifndef VELMORA_PANEL_TREND_CHART_H
#define VELMORA_PANEL_TREND_CHART_H

#include "panel/trend_series.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TrendSpan {
    int seconds;            // the time axis shows this much, ending at the latest point
    std::string_view label; // in the window's choice
    int gridSeconds;        // a grid line at each multiple of this, in local time
    bool labelSeconds;      // time labels as hh:mm:ss rather than hh:mm
    std::string_view within;  // "negli ultimi 10 minuti", for what is read aloud
};
// 1, 10 and 60 minutes.
std::span<const TrendSpan> TrendSpans();
inline constexpr std::size_t kDefaultTrendSpan = 1;  // 10 minutes

enum class TrendValue { Temperature, Analog };

// The axis titles.
inline constexpr std::string_view kTemperatureTitle = "Temperatura (°C)";
inline constexpr std::string_view kAnalogTitle = "Ingresso analogico";
inline constexpr std::string_view kTimeTitle = "Ora del PC";

// From `utc` on, the PC's clock was `offset` seconds east of UTC.
struct ClockOffset {
    std::int64_t utc = 0;
    std::int32_t offset = 0;
};

struct TimeAxis {
    std::int64_t from = 0, to = 0;     // UTC seconds
    std::vector<std::int64_t> grid;    // UTC seconds of the grid lines, ascending
    // The offsets the points on the axis were read with, ascending, never
    // empty: a label reads as the clock read at its time, so across a clock
    // change 02:59:40+02:00 is "02:59:40" even when the latest point is +01:00.
    std::vector<ClockOffset> offsets;
    bool labelSeconds = false;
};
// The PC's clock at `when`.
ClockOffset ClockOffsetAt(std::time_t when);
// The span ending at the latest point, or at `now` (UTC seconds, with the
// clock's offset then) when there is none.
TimeAxis MakeTimeAxis(const TrendSeries& series, const TrendSpan& span, ClockOffset now);
// "14:05" or "14:05:30" in the local time the clock had at `utc`.
std::string TimeLabel(const TimeAxis& axis, std::int64_t utc);

// The lowest and highest of `value` over the points in [from, to]; none
// when no point there has one.
struct ValueRange {
    double lo, hi;
};
std::optional<ValueRange> RangeOver(const TrendSeries& series, TrendValue value, std::int64_t from,
                                    std::int64_t to);

struct ValueAxis {
    double lo = 0, hi = 1;
    std::vector<double> grid;  // ascending, within [lo, hi]
    int decimals = 0;          // of the grid labels
};
// Fitted to the temperatures in [from, to] with a margin on both sides, its
// ends on the grid; 15..30 °C when there is none.
ValueAxis TemperatureAxis(const TrendSeries& series, std::int64_t from, std::int64_t to);
// Always 0..1023, the grid at quarters of the range.
ValueAxis AnalogAxis();
// A grid value as the axis writes it: "22", "22.5", "1023".
std::string AxisLabel(const ValueAxis& axis, double value);

// One unbroken stretch of a chart's line: (UTC seconds, value) pairs.
using TrendLine = std::vector<std::pair<std::int64_t, double>>;
// A tick is about a second after the one before; a longer step means ticks
// that read nothing, and the line breaks there too.
inline constexpr std::int64_t kMaxStepSeconds = 3;
// The lines of `value` over the points in [from, to], broken where a point
// has no value or the step to it is longer than kMaxStepSeconds. A stretch
// of one point is a dot. Drawn `columns` pixels wide: where several points
// share a column, only its lowest and highest are kept, in the order they
// came, so an hour of points costs what the chart's width does and looks
// the same.
std::vector<TrendLine> TrendLines(const TrendSeries& series, TrendValue value, std::int64_t from,
                                  std::int64_t to, int columns);

// A value as the chart writes it: "23.5°C", "512".
std::string ValueText(TrendValue value, double v);
// Written beside the chart: the latest point's value ("23.5°C", "512"),
// or the panel's own "---°C" / "---" when it has none.
std::string LatestText(const TrendSeries& series, TrendValue value);

// Where things go in a chart window of `width` x `height` logical pixels.
struct PlotRect {
    double x, y, w, h;
    double Right() const { return x + w; }
    double Bottom() const { return y + h; }
};
struct TrendLayout {
    PlotRect temperature, analog;  // the plot areas; labels go around them
};
// What the margins around the plots must hold, measured by the frontend in
// its own fonts, in logical pixels: so large fonts widen the margins rather
// than cut the labels.
struct TrendTextSizes {
    double lineHeight = 0;       // a line of the chart's font
    double valueLabelWidth = 0;  // the widest grid label of either axis
    double latestWidth = 0;      // the latest values' font: the widest of them and kLatestReserve
};
// Measured for the latest value's room whatever it reads, so the plots do
// not move as the value changes.
inline constexpr std::string_view kLatestReserve = "125.0°C";
TrendLayout LayOutCharts(double width, double height, const TrendTextSizes& text);
// Logical pixels from the plot area's edges to the labels.
inline constexpr double kLabelGap = 6;

// Maps `v` from [lo, hi] onto [pixelLo, pixelHi].
double ToPixel(double v, double lo, double hi, double pixelLo, double pixelHi);
// The middle of the device pixel that holds logical `v` at `scale` device
// pixels per logical one: a one-device-pixel line drawn there is sharp.
double SnapToPixel(double v, double scale);

#endif
