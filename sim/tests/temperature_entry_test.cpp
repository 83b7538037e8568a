// The temperature field's rule: what it takes, in every locale, what it
// refuses and why, in the words the window shows.
#include "sim/temperature_entry.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

namespace {

using Verdict = sim::TemperatureEntry::Verdict;

struct EntryCase {
    std::string text;
    Verdict verdict;
    double celsius = 0.0;  // when taken
};

const EntryCase kEntries[] = {
    {"24,7", Verdict::Taken, 24.7},
    {"24.7", Verdict::Taken, 24.7},
    {" -12,5 ", Verdict::Taken, -12.5},
    {"+0,5", Verdict::Taken, 0.5},
    {",5", Verdict::Taken, 0.5},
    {"5,", Verdict::Taken, 5.0},
    {"-0", Verdict::Taken, 0.0},
    {"-40", Verdict::Taken, -40.0},
    {"125", Verdict::Taken, 125.0},
    {"24,75", Verdict::Taken, 24.8},    // the board answers in tenths
    {"125,04", Verdict::Taken, 125.0},  // and so it is the tenth that must be in range
    {"125,1", Verdict::OutOfRange},
    {"-40,2", Verdict::OutOfRange},
    {"130", Verdict::OutOfRange},
    {"1" + std::string(400, '0'), Verdict::OutOfRange},
    {"", Verdict::NotANumber},
    {"   ", Verdict::NotANumber},
    {"abc", Verdict::NotANumber},
    {"-", Verdict::NotANumber},
    {",", Verdict::NotANumber},
    {"24,7,1", Verdict::NotANumber},
    {"1.024,5", Verdict::NotANumber},
    {"24 7", Verdict::NotANumber},
    {"--5", Verdict::NotANumber},
    {"5-", Verdict::NotANumber},
    {"2e1", Verdict::NotANumber},
    {"0x10", Verdict::NotANumber},
    {"inf", Verdict::NotANumber},
    {"nan", Verdict::NotANumber},
    {"24,7\xC2\xB0" "C", Verdict::NotANumber},
};

TEST(TemperatureEntry, TakesACommaOrAPointInEveryLocaleAndRefusesTheRest) {
    // The program never sets a locale; the rule must not care which one runs.
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    int locales = 0;
    for (const char* locale : {"C", "en_US.UTF-8", "it_IT.UTF-8"}) {
        if (std::setlocale(LC_ALL, locale) == nullptr) continue;
        ++locales;
        for (const EntryCase& c : kEntries) {
            SCOPED_TRACE(std::string(locale) + ": \"" + c.text.substr(0, 20) + "\"");
            const sim::TemperatureEntry entry = sim::ReadTemperatureEntry(c.text);
            EXPECT_EQ(entry.verdict, c.verdict);
            if (c.verdict == Verdict::Taken) {
                EXPECT_DOUBLE_EQ(entry.celsius, c.celsius);
            }
        }
        EXPECT_EQ(sim::TemperatureText(24.7), "24.7") << locale;
        EXPECT_EQ(sim::TemperatureText(sim::ReadTemperatureEntry("-0").celsius), "0.0") << locale;  // never "-0.0"
    }
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_GE(locales, 1);
}

TEST(TemperatureEntry, ARefusalSaysWhyAndWhatTheBoardStillAnswers) {
    EXPECT_EQ(sim::RefusalText(Verdict::NotANumber, 24.7), "Non è un numero: la scheda resta a 24.7 °C.");
    EXPECT_EQ(sim::RefusalText(Verdict::OutOfRange, -3.5),
              "Fuori dall'intervallo da -40 a 125 °C: la scheda resta a -3.5 °C.");
    EXPECT_EQ(sim::RefusalText(Verdict::Taken, 24.7), "");
}

TEST(TemperatureEntry, ArrowsStepHalfADegreeWithinTheRange) {
    EXPECT_DOUBLE_EQ(sim::StepTemperature(23.5, 1), 24.0);
    EXPECT_DOUBLE_EQ(sim::StepTemperature(24.7, -1), 24.2);
    EXPECT_DOUBLE_EQ(sim::StepTemperature(124.8, 1), 125.0);
    EXPECT_DOUBLE_EQ(sim::StepTemperature(-39.9, -1), -40.0);
}

}  // namespace
