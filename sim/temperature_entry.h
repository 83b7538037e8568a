// What the board window's temperature field, and --temp, take: degrees
// Celsius written with a decimal comma or point, whatever the locale,
// within the board's range; and, in Italian, why a text is refused.
#ifndef VELMORA_SIM_TEMPERATURE_ENTRY_H
#define VELMORA_SIM_TEMPERATURE_ENTRY_H

#include <string>
#include <string_view>

namespace sim {

struct TemperatureEntry {
    enum class Verdict { Taken, NotANumber, OutOfRange };
    Verdict verdict = Verdict::NotANumber;
    double celsius = 0.0;  // when Taken: to the tenth, as the board answers
};

// "24,7", "24.7", " -3 ", "+0,5", ",5" are numbers; an exponent, a second
// separator, digit grouping, "inf" and "nan" are not. The tenth is the
// board's precision, so the value is rounded to it before the range check.
TemperatureEntry ReadTemperatureEntry(std::string_view text);

// "24.7": a value as the field shows it, the way the board writes it.
std::string TemperatureText(double celsius);

// Why a text was refused, short enough for one line under the field, and
// the value the board keeps answering with; empty for a text that was taken.
std::string RefusalText(TemperatureEntry::Verdict verdict, double kept);

// `steps` half degrees up (or down) from `celsius`, stopping at the range's ends.
double StepTemperature(double celsius, int steps);

}  // namespace sim

#endif
