// The numbers both frontends draw the trend from.
#include "panel/trend_chart.h"

#include <gtest/gtest.h>

namespace {

TrendSeries Temperatures(std::initializer_list<double> values, std::int64_t start = 1000) {
    TrendSeries series;
    std::int64_t t = start;
    for (const double v : values) series.Add({t++, 0, v, std::nullopt});
    return series;
}

TEST(TrendChart, SpansAreOneTenAndSixtyMinutesTenByDefault) {
    const auto spans = TrendSpans();
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].seconds, 60);
    EXPECT_EQ(spans[1].seconds, 600);
    EXPECT_EQ(spans[2].seconds, 3600);
    EXPECT_EQ(spans[kDefaultTrendSpan].label, "10 min");
}

TEST(TrendChart, TheTemperatureAxisHoldsTheDataWithAMarginAndEndsOnItsGrid) {
    struct Case {
        TrendSeries series;
        double lo, hi;
    };
    const Case cases[] = {
        {Temperatures({21.0, 23.5, 22.0}), 20, 24},  // half a degree, then whole degrees
        {Temperatures({23.5}), 23, 24},              // one value: in the middle
        {Temperatures({-5.0, 45.0}), -20, 60},       // a tenth of the range, steps of 20
        {TrendSeries(), 15, 30},                         // nothing to fit
    };
    for (const Case& c : cases) {
        const ValueAxis axis = TemperatureAxis(c.series, 0, 5000);
        EXPECT_DOUBLE_EQ(axis.lo, c.lo);
        EXPECT_DOUBLE_EQ(axis.hi, c.hi);
        ASSERT_GE(axis.grid.size(), 3u);
        EXPECT_DOUBLE_EQ(axis.grid.front(), axis.lo);
        EXPECT_NEAR(axis.grid.back(), axis.hi, 1e-9);
    }
    // Only the points on the time axis count.
    const TrendSeries series = Temperatures({80.0, 21.0, 21.0});
    EXPECT_LT(TemperatureAxis(series, 1001, 1002).hi, 30);
}

TEST(TrendChart, TheAnalogAxisIsAlwaysTenBits) {
    const ValueAxis axis = AnalogAxis();
    EXPECT_EQ(axis.lo, 0);
    EXPECT_EQ(axis.hi, 1023);
    EXPECT_EQ(axis.grid, (std::vector<double>{0, 256, 512, 768, 1023}));
    EXPECT_EQ(AxisLabel(axis, 1023), "1023");
    EXPECT_EQ(AxisLabel(TemperatureAxis(Temperatures({23.5}), 0, 5000), 23.2), "23.2");
    EXPECT_EQ(AxisLabel(TemperatureAxis(Temperatures({21.0, 23.5}), 0, 5000), 22), "22");
}

TEST(TrendChart, TheTimeAxisEndsAtTheLatestPointWithItsGridOnRoundLocalTimes) {
    TrendSeries series;
    // 14:05:37 at UTC+1.
    const std::int64_t latest = 1711843200 + 13 * 3600 + 5 * 60 + 37;
    series.Add({latest, 3600, 21.0, 1});
    const TimeAxis tenMinutes = MakeTimeAxis(series, TrendSpans()[1]);
    EXPECT_EQ(tenMinutes.to, latest);
    EXPECT_EQ(tenMinutes.from, latest - 600);
    std::vector<std::string> labels;
    for (const std::int64_t t : tenMinutes.grid) labels.push_back(TimeLabel(tenMinutes, t));
    EXPECT_EQ(labels, (std::vector<std::string>{"13:56", "13:58", "14:00", "14:02", "14:04"}));
    const TimeAxis oneMinute = MakeTimeAxis(series, TrendSpans()[0]);
    EXPECT_EQ(TimeLabel(oneMinute, oneMinute.grid.front()), "14:04:40");
    EXPECT_EQ(oneMinute.grid.size(), 6u);
}

TEST(TrendChart, LinesBreakAtGapsAndAtTicksThatReadNothing) {
    TrendSeries series;
    series.Add({10, 0, 20.0, 1});
    series.Add({11, 0, 20.5, 2});
    series.Add({12, 0, std::nullopt, 3});  // no value: a break
    series.Add({13, 0, 21.0, 4});
    series.Add({14, 0, 21.5, std::nullopt});
    series.Add({20, 0, 22.0, 6});          // six seconds on: a break
    series.Add({21, 0, 22.5, 7});
    const auto temperature = TrendLines(series, TrendValue::Temperature, 0, 100);
    ASSERT_EQ(temperature.size(), 3u);
    EXPECT_EQ(temperature[0], (TrendLine{{10, 20.0}, {11, 20.5}}));
    EXPECT_EQ(temperature[1], (TrendLine{{13, 21.0}, {14, 21.5}}));
    EXPECT_EQ(temperature[2], (TrendLine{{20, 22.0}, {21, 22.5}}));
    const auto analog = TrendLines(series, TrendValue::Analog, 0, 100);
    ASSERT_EQ(analog.size(), 2u);
    EXPECT_EQ(analog[0], (TrendLine{{10, 1}, {11, 2}, {12, 3}, {13, 4}}));
    EXPECT_EQ(analog[1], (TrendLine{{20, 6}, {21, 7}}));
    // Only what lies on the time axis.
    EXPECT_EQ(TrendLines(series, TrendValue::Analog, 13, 20).size(), 2u);
}

TEST(TrendChart, TheLatestValueOrTheDashesWhenItHasNone) {
    TrendSeries series;
    EXPECT_EQ(LatestText(series, TrendValue::Temperature), "---°C");
    EXPECT_EQ(LatestText(series, TrendValue::Analog), "---");
    series.Add({1, 0, 23.5, 512});
    EXPECT_EQ(LatestText(series, TrendValue::Temperature), "23.5°C");
    EXPECT_EQ(LatestText(series, TrendValue::Analog), "512");
    series.Add({2, 0, std::nullopt, 7});  // the latest tick's reply did not parse
    EXPECT_EQ(LatestText(series, TrendValue::Temperature), "---°C");
}

TEST(TrendChart, PixelsSnapToTheMiddleOfADevicePixelAtEachScale) {
    EXPECT_DOUBLE_EQ(SnapToPixel(10.2, 1), 10.5);
    EXPECT_DOUBLE_EQ(SnapToPixel(10.2, 2), 10.25);
    EXPECT_DOUBLE_EQ(SnapToPixel(10.6, 2), 10.75);
    EXPECT_DOUBLE_EQ(ToPixel(512, 0, 1024, 300, 100), 200);
    const TrendLayout layout = LayOutCharts(600, 400);
    EXPECT_LT(layout.temperature.Bottom(), layout.analog.y);
    EXPECT_EQ(layout.temperature.x, layout.analog.x);  // one time axis for both
    EXPECT_EQ(layout.temperature.w, layout.analog.w);
    EXPECT_LT(layout.analog.Bottom(), 400);
}

}  // namespace
