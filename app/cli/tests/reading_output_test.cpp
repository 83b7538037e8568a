// What temp, analog and watch print, in each format, for readings that
// parsed and for those that did not.
#include "app/cli/reading_output.h"
#include "panel/local_time.h"

#include <gtest/gtest.h>

namespace {

Reading Good() {
    return {"2026-12-10T13:05:00+01:00", " 23.5\xC2\xB0" "C", "0512", 23.5, 512};
}
Reading Garbled() { return {"2026-12-10T13:05:01+01:00", " 2", "05", std::nullopt, std::nullopt}; }

struct LineCase {
    Reading reading;
    Format format;
    bool raw;
    std::string line;
};

class WatchLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(WatchLines, WriteEachFieldByTheFormatsRule) {
    const LineCase& c = GetParam();
    EXPECT_EQ(WatchLine(c.reading, c.format, c.raw), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, WatchLines,
    ::testing::Values(
        LineCase{Good(), Format::Json, false,
                 "{\"time\": \"2026-12-10T13:05:00+01:00\", \"temperature_c\": 23.5, \"analog\": 512}\n"},
        LineCase{Garbled(), Format::Json, false,
                 "{\"time\": \"2026-12-10T13:05:01+01:00\", \"temperature_c\": null, \"analog\": null}\n"},
        LineCase{Good(), Format::Json, true,
                 "{\"time\": \"2026-12-10T13:05:00+01:00\", \"temperature_c\": \" 23.5\xC2\xB0" "C\", "
                 "\"analog\": \"0512\"}\n"},
        LineCase{{"t", "\"\\\x01", "", std::nullopt, std::nullopt}, Format::Json, true,
                 "{\"time\": \"t\", \"temperature_c\": \"\\\"\\\\\\u0001\", \"analog\": \"\"}\n"},
        LineCase{Good(), Format::Csv, false, "2026-12-10T13:05:00+01:00,23.5,512\n"},
        LineCase{Garbled(), Format::Csv, false, "2026-12-10T13:05:01+01:00,,\n"},
        LineCase{{"t", "a\"b,c", "0512", std::nullopt, 512}, Format::Csv, true, "t,\"a\"\"b,c\",\"0512\"\n"},
        LineCase{Good(), Format::Plain, false, "2026-12-10T13:05:00+01:00\t23.5\t512\n"},
        LineCase{Garbled(), Format::Plain, false, "2026-12-10T13:05:01+01:00\t\t\n"},
        LineCase{Good(), Format::Plain, true, "2026-12-10T13:05:00+01:00\t 23.5\xC2\xB0" "C\t0512\n"}));

TEST(ReadingOutput, CsvHasAHeaderWithTheSameFieldsAsJson) {
    EXPECT_EQ(WatchHeader(Format::Csv), "time,temperature_c,analog\n");
    EXPECT_EQ(WatchHeader(Format::Json), "");
    EXPECT_EQ(WatchHeader(Format::Plain), "");
}

TEST(ReadingOutput, OneShotLinesAreTheNumberTheReplyOrEmpty) {
    EXPECT_EQ(TemperatureLine(Good(), false), "23.5");
    EXPECT_EQ(AnalogLine(Good(), false), "512");
    EXPECT_EQ(TemperatureLine(Good(), true), " 23.5\xC2\xB0" "C");
    EXPECT_EQ(AnalogLine(Good(), true), "0512");
    EXPECT_EQ(TemperatureLine(Garbled(), false), "");
    EXPECT_EQ(AnalogLine(Garbled(), false), "");
}

TEST(ReadingOutput, TemperaturesAreTheShortestTextOfTheNumber) {
    EXPECT_EQ(TemperatureField(23.5), "23.5");
    EXPECT_EQ(TemperatureField(-0.5), "-0.5");
    EXPECT_EQ(TemperatureField(100.0), "100");
    EXPECT_EQ(TemperatureField(0.1), "0.1");
}

TEST(ReadingTime, IsLocalWithTheZonesOffsetAtThatMoment) {
    // 2026-12-10 12:05 UTC in zones with and without summer time.
    const std::time_t when = 1796904300;
    const char* saved = std::getenv("TZ");
    const std::string restore = saved != nullptr ? saved : "";
    for (const auto& [zone, want] :
         {std::pair{"UTC0", "2026-12-10T12:05:00+00:00"}, std::pair{"CET-1CEST,M3.5.0,M10.5.0/3", "2026-12-10T13:05:00+01:00"},
          std::pair{"<-0330>3:30", "2026-12-10T08:35:00-03:30"}}) {
        ::setenv("TZ", zone, 1);
        ::tzset();
        EXPECT_EQ(IsoLocalTime(when, LocalTimeAt(when).utcOffset), want) << zone;
    }
    if (saved != nullptr) ::setenv("TZ", restore.c_str(), 1); else ::unsetenv("TZ");
    ::tzset();
}

TEST(ReadingTime, CarriesMillisecondsBeforeTheOffsetWhenAsked) {
    const std::time_t when = 1796904300;
    for (const auto& [ms, want] : {std::pair{0, "2026-12-10T13:05:00.000+01:00"}, std::pair{7, "2026-12-10T13:05:00.007+01:00"},
                                   std::pair{120, "2026-12-10T13:05:00.120+01:00"}, std::pair{999, "2026-12-10T13:05:00.999+01:00"}})
        EXPECT_EQ(IsoLocalTime(when, 3600, ms), want);
    EXPECT_EQ(IsoLocalTime(when, -12600, 5), "2026-12-10T08:35:00.005-03:30");
}

}  // namespace
