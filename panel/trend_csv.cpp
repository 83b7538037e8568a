#include "panel/trend_csv.h"

#include "panel/file_save.h"
#include "panel/local_time.h"

#include <charconv>

namespace {

// to_chars, not the stream: no locale can turn '.' into ',' or group digits.
// The board sends tenths: one decimal keeps every temperature as it came.
void PutTemperature(std::ostream& out, double celsius) {
    char text[32];
    const auto r = std::to_chars(text, text + sizeof text, celsius, std::chars_format::fixed, 1);
    out.write(text, r.ptr - text);
}

void PutAnalog(std::ostream& out, int value) {
    char text[16];
    const auto r = std::to_chars(text, text + sizeof text, value);
    out.write(text, r.ptr - text);
}

}  // namespace

void WriteTrendCsv(const TrendSeries& series, std::ostream& out) {
    out << "time,temperature_c,analog\n";
    for (std::size_t i = 0; i < series.Size(); ++i) {
        const TrendPoint& p = series[i];
        out << IsoLocalTime(p.utc, p.utcOffset) << ',';
        if (p.temperature) PutTemperature(out, *p.temperature);
        out << ',';
        if (p.analog) PutAnalog(out, *p.analog);
        out << '\n';
    }
}

std::error_code SaveTrendCsv(const TrendSeries& series, const std::filesystem::path& path) {
    return SaveFile(path, [&series](std::ostream& out) { WriteTrendCsv(series, out); });
}
