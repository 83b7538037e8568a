#include "sim/temperature_entry.h"

#include "sim/board_cli.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace sim {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

double ToTenth(double celsius) { return std::round(celsius * 10.0) / 10.0; }

// The shortest text of a number: "-40", "125", "24.7".
std::string Shortest(double value) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

}  // namespace

TemperatureEntry ReadTemperatureEntry(std::string_view text) {
    const std::string_view number = Trimmed(text);
    // A sign, then digits with at most one separator; anything else (an
    // exponent, "inf", a thousands separator) is no way to write a reading.
    std::string plain;
    bool separator = false, digit = false;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (IsDigit(c)) {
            digit = true;
            plain += c;
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
            plain += '.';
        } else if ((c == '-' || c == '+') && i == 0) {
            if (c == '-') plain += c;
        } else {
            return {};
        }
    }
    double celsius = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), celsius);
    if (!digit || end != plain.data() + plain.size()) return {};
    celsius = ToTenth(celsius);
    if (ec != std::errc() || !(celsius >= kTemperatureMin && celsius <= kTemperatureMax))
        return {TemperatureEntry::Verdict::OutOfRange, 0.0};  // a number all the same
    return {TemperatureEntry::Verdict::Taken, celsius == 0.0 ? 0.0 : celsius};  // no "-0.0"
}

std::string TemperatureText(double celsius) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, celsius, std::chars_format::fixed, 1);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

std::string RefusalText(TemperatureEntry::Verdict verdict, double kept) {
    const std::string still = ": la scheda resta a " + TemperatureText(kept) + " °C.";
    switch (verdict) {
    case TemperatureEntry::Verdict::NotANumber: return "Non è un numero" + still;
    case TemperatureEntry::Verdict::OutOfRange:
        return "Fuori dall'intervallo da " + Shortest(kTemperatureMin) + " a " + Shortest(kTemperatureMax) +
               " °C" + still;
    case TemperatureEntry::Verdict::Taken: break;
    }
    return {};
}

double StepTemperature(double celsius, int steps) {
    return std::clamp(ToTenth(celsius + 0.5 * steps), kTemperatureMin, kTemperatureMax);
}

}  // namespace sim
