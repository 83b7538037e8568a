// What a screen reader reads of each trend chart, the same on every build:
// its name, the latest value as the chart shows it (LatestText), and the
// lowest and highest values over the span the chart shows.
#ifndef VELMORA_PANEL_TREND_READOUT_H
#define VELMORA_PANEL_TREND_READOUT_H

#include "panel/trend_chart.h"

#include <string>
#include <string_view>

// "Temperatura", "Ingresso analogico".
std::string_view ChartName(TrendValue value);
// "minimo 21.0°C, massimo 24.5°C negli ultimi 10 minuti" over the span
// ending at the latest point, as the chart's time axis; "nessun valore
// negli ultimi 10 minuti" when no point there has one.
std::string RangeText(const TrendSeries& series, TrendValue value, const TrendSpan& span);

#endif
