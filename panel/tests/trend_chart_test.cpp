// The numbers both frontends draw the trend from.
#include "panel/trend_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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
    const TimeAxis tenMinutes = MakeTimeAxis(series, TrendSpans()[1], {});
    EXPECT_EQ(tenMinutes.to, latest);
    EXPECT_EQ(tenMinutes.from, latest - 600);
    std::vector<std::string> labels;
    for (const std::int64_t t : tenMinutes.grid) labels.push_back(TimeLabel(tenMinutes, t));
    EXPECT_EQ(labels, (std::vector<std::string>{"13:56", "13:58", "14:00", "14:02", "14:04"}));
    const TimeAxis oneMinute = MakeTimeAxis(series, TrendSpans()[0], {});
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
    const auto temperature = TrendLines(series, TrendValue::Temperature, 0, 100, 1000);
    ASSERT_EQ(temperature.size(), 3u);
    EXPECT_EQ(temperature[0], (TrendLine{{10, 20.0}, {11, 20.5}}));
    EXPECT_EQ(temperature[1], (TrendLine{{13, 21.0}, {14, 21.5}}));
    EXPECT_EQ(temperature[2], (TrendLine{{20, 22.0}, {21, 22.5}}));
    const auto analog = TrendLines(series, TrendValue::Analog, 0, 100, 1000);
    ASSERT_EQ(analog.size(), 2u);
    EXPECT_EQ(analog[0], (TrendLine{{10, 1}, {11, 2}, {12, 3}, {13, 4}}));
    EXPECT_EQ(analog[1], (TrendLine{{20, 6}, {21, 7}}));
    // Only what lies on the time axis.
    EXPECT_EQ(TrendLines(series, TrendValue::Analog, 13, 20, 1000).size(), 2u);
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
}

TEST(TrendChart, AcrossAClockChangeEachLabelReadsAsTheClockReadThen) {
    // 27 October 2024, Rome: at 03:00+02:00 (01:00 UTC) the clock went back to 02:00+01:00.
    const std::int64_t change = 1729990800;
    TrendSeries series;
    for (std::int64_t t = change - 300; t < change; ++t) series.Add({t, 7200, 20.0, 1});
    for (std::int64_t t = change; t <= change + 300; ++t) series.Add({t, 3600, 20.0, 1});
    const TimeAxis axis = MakeTimeAxis(series, TrendSpans()[1], {});
    std::vector<std::string> labels;
    for (const std::int64_t t : axis.grid) labels.push_back(TimeLabel(axis, t));
    EXPECT_EQ(labels, (std::vector<std::string>{"02:56", "02:58", "02:00", "02:02", "02:04"}));
    TrendSeries minuteSeries;  // the last minute holds the change
    for (std::int64_t t = change - 40; t <= change + 20; ++t) minuteSeries.Add({t, t < change ? 7200 : 3600, 20.0, 1});
    const TimeAxis minute = MakeTimeAxis(minuteSeries, TrendSpans()[0], {});
    EXPECT_EQ(TimeLabel(minute, change - 20), "02:59:40");
    EXPECT_EQ(TimeLabel(minute, change + 20), "02:00:20");
}

TEST(TrendChart, BeforeAnyReadingTheTimeAxisEndsNow) {
    const std::int64_t now = 1765415587;  // 2025-12-11 01:13:07 UTC
    const TimeAxis axis = MakeTimeAxis(TrendSeries(), TrendSpans()[1], {now, 3600});
    EXPECT_EQ(axis.to, now);
    EXPECT_EQ(axis.from, now - 600);
    ASSERT_FALSE(axis.grid.empty());
    EXPECT_EQ(TimeLabel(axis, axis.grid.back()), "02:12");
}

TEST(TrendChart, AColumnKeepsOnlyItsLowestAndHighestPointsInTheirOrder) {
    TrendSeries series;
    for (std::int64_t t = 0; t < 3600; ++t)
        series.Add({t, 0, static_cast<double>((t * 37) % 101), static_cast<int>((t * 13) % 1024)});
    series.Add({3610, 0, 5.0, 5});  // after a gap: a line of its own
    constexpr int kColumns = 300;
    const auto lines = TrendLines(series, TrendValue::Temperature, 10, 3610, kColumns);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], (TrendLine{{3610, 5.0}}));
    std::map<std::int64_t, std::vector<double>> drawn, data;
    const auto column = [](std::int64_t t) { return (t - 10) * kColumns / 3600; };
    for (const auto& [t, v] : lines[0]) drawn[column(t)].push_back(v);
    for (std::int64_t t = 10; t < 3600; ++t) data[column(t)].push_back(static_cast<double>((t * 37) % 101));
    ASSERT_EQ(drawn.size(), data.size());
    for (const auto& [c, values] : data) {
        EXPECT_LE(drawn[c].size(), 2u) << c;
        EXPECT_EQ(*std::ranges::min_element(drawn[c]), *std::ranges::min_element(values)) << c;
        EXPECT_EQ(*std::ranges::max_element(drawn[c]), *std::ranges::max_element(values)) << c;
    }
    EXPECT_TRUE(std::ranges::is_sorted(lines[0], {}, &std::pair<std::int64_t, double>::first));
}

TEST(TrendChart, TheMarginsGrowWithTheFontSoNoLabelIsCut) {
    for (const double scale : {1.0, 1.5, 2.0}) {
        const TrendTextSizes text{17 * scale, 28 * scale, 70 * scale};
        const double width = 600 * scale, height = 400 * scale;
        const TrendLayout layout = LayOutCharts(width, height, text);
        for (const PlotRect& plot : {layout.temperature, layout.analog}) {
            EXPECT_GE(plot.x, text.valueLabelWidth + kLabelGap) << scale;
            EXPECT_GE(width - plot.Right(), 2 * kLabelGap + text.latestWidth) << scale;
            EXPECT_GE(plot.y, text.lineHeight) << scale;  // the title above
            EXPECT_GT(plot.h, 2 * text.lineHeight) << scale;
        }
        EXPECT_LT(layout.temperature.Bottom() + text.lineHeight, layout.analog.y) << scale;
        EXPECT_EQ(layout.temperature.x, layout.analog.x);  // one time axis for both
        EXPECT_EQ(layout.temperature.w, layout.analog.w);
        // The time labels and the axis title under the lower chart.
        EXPECT_GE(height - layout.analog.Bottom(), kLabelGap / 2 + 2 * text.lineHeight) << scale;
    }
}

}  // namespace
