#include "app/cli/reading_output.h"

#include <charconv>
#include <cstdio>

namespace {

std::string Csv(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            out += esc;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The two values of a reading as the format writes them: numbers bare,
// text quoted by the format's rule, a missing number as `missing`.
struct Fields {
    std::string temperature, analog;
};

template <class Quote>
Fields FieldsOf(const Reading& r, bool raw, Quote quote, std::string_view missing) {
    if (raw) return {quote(r.temperatureText), quote(r.analogText)};
    return {r.temperature ? TemperatureField(*r.temperature) : std::string(missing),
            r.analog ? std::to_string(*r.analog) : std::string(missing)};
}

std::string Bare(std::string_view text) { return std::string(text); }

}  // namespace

std::string TemperatureField(double celsius) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, celsius);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

std::string TemperatureLine(const Reading& r, bool raw) { return FieldsOf(r, raw, Bare, "").temperature; }

std::string AnalogLine(const Reading& r, bool raw) { return FieldsOf(r, raw, Bare, "").analog; }

std::string WatchHeader(Format format) {
    return format == Format::Csv ? "time,temperature_c,analog\n" : "";
}

std::string WatchLine(const Reading& r, Format format, bool raw) {
    switch (format) {
    case Format::Csv: {
        const Fields f = FieldsOf(r, raw, Csv, "");
        return r.time + "," + f.temperature + "," + f.analog + "\n";
    }
    case Format::Json: {
        const Fields f = FieldsOf(r, raw, Json, "null");
        return "{\"time\": " + Json(r.time) + ", \"temperature_c\": " + f.temperature +
               ", \"analog\": " + f.analog + "}\n";
    }
    case Format::Plain: break;
    }
    const Fields f = FieldsOf(r, raw, Bare, "");
    return r.time + "\t" + f.temperature + "\t" + f.analog + "\n";
}
