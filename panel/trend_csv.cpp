#include "panel/trend_csv.h"

#include "panel/local_time.h"

#include <cerrno>
#include <charconv>
#include <fstream>

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
    // The stream keeps no reason; the C library's open and write leave theirs in errno.
    const auto failed = [] { return std::error_code(errno != 0 ? errno : EIO, std::generic_category()); };
    // Windows refuses a folder as "access denied"; the user should hear what it is.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return std::make_error_code(std::errc::is_a_directory);
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);  // "\n" on every system
    if (!file) return failed();
    WriteTrendCsv(series, file);
    file.close();
    return file.fail() ? failed() : std::error_code();
}

std::string SaveFailedText(const std::filesystem::path& path, std::error_code error) {
    // The reasons a user can act on, in Italian; any other as the system words it.
    static constexpr std::pair<std::errc, std::string_view> kReasons[] = {
        {std::errc::permission_denied, "accesso negato"},
        {std::errc::operation_not_permitted, "accesso negato"},
        {std::errc::no_such_file_or_directory, "la cartella non esiste"},
        {std::errc::not_a_directory, "la cartella non esiste"},
        {std::errc::is_a_directory, "è una cartella"},
        {std::errc::read_only_file_system, "il disco è in sola lettura"},
        {std::errc::no_space_on_device, "spazio esaurito sul disco"},
        {std::errc::filename_too_long, "nome troppo lungo"},
        {std::errc::io_error, "errore di scrittura"},
    };
    std::string reason = error.message();
    for (const auto& [code, words] : kReasons)
        if (error == code) reason = words;
    const std::u8string name = path.u8string();
    return "Impossibile salvare il file «" + std::string(name.begin(), name.end()) + "»: " + reason + ".";
}
