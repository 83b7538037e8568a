#include "panel/trend_readout.h"

std::string_view ChartName(TrendValue value) {
    return value == TrendValue::Temperature ? "Temperatura" : kAnalogTitle;
}

std::string RangeText(const TrendSeries& series, TrendValue value, const TrendSpan& span) {
    const std::string within(span.within);
    if (series.Empty()) return "nessun valore " + within;
    const std::int64_t to = series.Latest().utc;
    const std::optional<ValueRange> range = RangeOver(series, value, to - span.seconds, to);
    if (!range) return "nessun valore " + within;
    return "minimo " + ValueText(value, range->lo) + ", massimo " + ValueText(value, range->hi) + " " + within;
}
