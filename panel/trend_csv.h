// The trend as a CSV file a spreadsheet opens: a header line, then one line
// per point "time,temperature_c,analog", the time in ISO 8601 local time
// with its offset, '.' as the decimal separator whatever the locale, and an
// empty field where the point has no value.
#ifndef VELMORA_PANEL_TREND_CSV_H
#define VELMORA_PANEL_TREND_CSV_H

#include "panel/trend_series.h"

#include <filesystem>
#include <ostream>
#include <system_error>

void WriteTrendCsv(const TrendSeries& series, std::ostream& out);
// Writes the file at `path` (replacing it). No error, or why it could not
// be opened or written in full.
std::error_code SaveTrendCsv(const TrendSeries& series, const std::filesystem::path& path);

#endif
