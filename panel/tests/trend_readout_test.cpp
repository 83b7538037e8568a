// What a screen reader reads of the trend charts.
#include "panel/trend_readout.h"

#include <gtest/gtest.h>

namespace {

TEST(TrendReadout, ChartsAreNamedInItalian) {
    EXPECT_EQ(ChartName(TrendValue::Temperature), "Temperatura");
    EXPECT_EQ(ChartName(TrendValue::Analog), "Ingresso analogico");
}

TEST(TrendReadout, TheLowestAndHighestValuesOverTheSpanShown) {
    // Ten minutes of points ending at t = 2000 at 22.0 °C and 300, with
    // their extremes here and there, a tick that read nothing, and an old
    // outlier only the hour holds.
    TrendSeries series;
    series.Add({1000, 0, 80.0, 1000});
    for (std::int64_t t = 1400; t <= 1990; t += 10) {
        const double temperature = t == 1500 ? 21.0 : t == 1950 ? 23.0 : 22.0;
        series.Add({t, 0, temperature, t == 1500 ? 100 : t == 1950 ? 400 : 300});
    }
    series.Add({1995, 0, std::nullopt, std::nullopt});
    series.Add({2000, 0, 24.5, 7});
    struct Case {
        TrendValue value;
        std::size_t span;
        const char* text;
    };
    const Case cases[] = {
        {TrendValue::Temperature, 0, "minimo 22.0°C, massimo 24.5°C nell'ultimo minuto"},
        {TrendValue::Temperature, 1, "minimo 21.0°C, massimo 24.5°C negli ultimi 10 minuti"},
        {TrendValue::Temperature, 2, "minimo 21.0°C, massimo 80.0°C negli ultimi 60 minuti"},
        {TrendValue::Analog, 0, "minimo 7, massimo 400 nell'ultimo minuto"},
        {TrendValue::Analog, 1, "minimo 7, massimo 400 negli ultimi 10 minuti"},
        {TrendValue::Analog, 2, "minimo 7, massimo 1000 negli ultimi 60 minuti"},
    };
    for (const Case& c : cases) EXPECT_EQ(RangeText(series, c.value, TrendSpans()[c.span]), c.text) << c.span;
}

TEST(TrendReadout, NoValueIsSaidSoRatherThanAsAZero) {
    TrendSeries series;
    EXPECT_EQ(RangeText(series, TrendValue::Temperature, TrendSpans()[1]), "nessun valore negli ultimi 10 minuti");
    series.Add({10, 0, std::nullopt, 512});  // the temperature was not read
    series.Add({11, 0, std::nullopt, 500});
    EXPECT_EQ(RangeText(series, TrendValue::Temperature, TrendSpans()[0]), "nessun valore nell'ultimo minuto");
    EXPECT_EQ(RangeText(series, TrendValue::Analog, TrendSpans()[0]), "minimo 500, massimo 512 nell'ultimo minuto");
    series.Add({12, 0, -5.5, std::nullopt});
    EXPECT_EQ(RangeText(series, TrendValue::Temperature, TrendSpans()[0]),
              "minimo -5.5°C, massimo -5.5°C nell'ultimo minuto");
}

}  // namespace
