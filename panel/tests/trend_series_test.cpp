// The trend's points: local time with its offset, the bounded ring that
// keeps them, and the CSV file they are saved as.
#include "panel/local_time.h"
#include "panel/file_save.h"
#include "panel/trend_csv.h"
#include "panel/trend_series.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr std::int64_t kMarch31Utc = 1711843200;  // 2024-03-31T00:00:00Z

std::tm Civil(int y, int mo, int d, int h, int mi, int s) {
    std::tm t{};
    t.tm_year = y - 1900, t.tm_mon = mo - 1, t.tm_mday = d;
    t.tm_hour = h, t.tm_min = mi, t.tm_sec = s;
    return t;
}

TEST(LocalTime, ReadsTheCalendarAsSecondsAndWritesItBackWithTheOffset) {
    struct Case {
        std::tm local;
        std::int32_t offset;
        std::int64_t utc;
        const char* iso;
    };
    const Case cases[] = {
        {Civil(2024, 3, 31, 1, 0, 0), 3600, kMarch31Utc, "2024-03-31T01:00:00+01:00"},
        {Civil(2024, 3, 31, 3, 0, 0), 7200, kMarch31Utc + 3600, "2024-03-31T03:00:00+02:00"},
        {Civil(2024, 3, 30, 20, 30, 0), -12600, kMarch31Utc, "2024-03-30T20:30:00-03:30"},
        {Civil(2024, 2, 29, 12, 0, 0), 0, 1709208000, "2024-02-29T12:00:00+00:00"},
        {Civil(1969, 12, 31, 23, 59, 59), 0, -1, "1969-12-31T23:59:59+00:00"},
        {Civil(2024, 12, 31, 23, 59, 60), 0, 1735689600, "2025-01-01T00:00:00+00:00"},  // carried
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UtcSeconds({c.local, c.offset}), c.utc) << c.iso;
        EXPECT_EQ(IsoLocalTime(c.utc, c.offset), c.iso);
    }
}

TEST(TrendSeries, KeepsADayOfTicks) {
    EXPECT_GE(TrendSeries().Capacity(), 24u * 60 * 60);
}

TEST(TrendSeries, WhenFullEachNewPointDropsTheOldestAndTheOrderStays) {
    TrendSeries series(5);
    for (int i = 0; i < 13; ++i) series.Add({1000 + i, 0, std::nullopt, i});
    ASSERT_EQ(series.Size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(series[i].analog, static_cast<int>(8 + i));
    EXPECT_EQ(series.Latest().utc, 1012);
    series.Clear();
    EXPECT_TRUE(series.Empty());
    series.Add({2000, 0, 20.0, std::nullopt});
    EXPECT_EQ(series.Size(), 1u);
    EXPECT_EQ(series[0].utc, 2000);
}

TEST(TrendSeries, ADayAndMoreOfPointsStaysWithinItsBound) {
    TrendSeries series;
    const std::size_t ticks = TrendSeries::kDefaultCapacity + 3600;
    for (std::size_t i = 0; i < ticks; ++i)
        series.Add({static_cast<std::int64_t>(i), 3600, 21.0, 512});
    EXPECT_EQ(series.Size(), TrendSeries::kDefaultCapacity);
    EXPECT_EQ(series[0].utc, 3600);
    EXPECT_EQ(series.Latest().utc, static_cast<std::int64_t>(ticks - 1));
}

// Across the change to summer time, with every kind of gap.
TrendSeries KnownSeries() {
    TrendSeries series;
    series.Add({kMarch31Utc - 3601, 3600, 21.0, 512});
    series.Add({kMarch31Utc - 3600, 3600, std::nullopt, 0});
    series.Add({kMarch31Utc - 3599, 3600, -5.5, std::nullopt});
    series.Add({kMarch31Utc - 3598, 3600, std::nullopt, std::nullopt});
    series.Add({kMarch31Utc + 3600, 7200, 23.5, 1023});
    series.Add({kMarch31Utc + 3601, 7200, 0.0, 7});
    return series;
}

constexpr const char* kKnownCsv =
    "time,temperature_c,analog\n"
    "2024-03-30T23:59:59+01:00,21.0,512\n"
    "2024-03-31T00:00:00+01:00,,0\n"
    "2024-03-31T00:00:01+01:00,-5.5,\n"
    "2024-03-31T00:00:02+01:00,,\n"
    "2024-03-31T03:00:00+02:00,23.5,1023\n"
    "2024-03-31T03:00:01+02:00,0.0,7\n";

TEST(TrendCsv, IsTheHeaderThenOneLinePerPointWithEmptyFieldsForGaps) {
    std::ostringstream out;
    WriteTrendCsv(KnownSeries(), out);
    EXPECT_EQ(out.str(), kKnownCsv);
    std::ostringstream empty;
    WriteTrendCsv(TrendSeries(), empty);
    EXPECT_EQ(empty.str(), "time,temperature_c,analog\n");
}

TEST(TrendCsv, TheFileHoldsTheSameBytes) {
    const auto path = std::filesystem::temp_directory_path() / "velmora-trend-test.csv";
    ASSERT_FALSE(SaveTrendCsv(KnownSeries(), path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    in.close();
    std::filesystem::remove(path);
    EXPECT_EQ(bytes, kKnownCsv);  // no "\r\n" on any system
}

TEST(TrendCsv, AFileThatCannotBeSavedSaysWhichAndWhyInItalian) {
    const auto folder = std::filesystem::temp_directory_path();
    struct Case {
        std::filesystem::path path;
        std::string_view reason;
    };
    std::vector<Case> cases = {
        {folder / "no-such-folder" / "x.csv", "la cartella non esiste"},
        {folder, "è una cartella"},
    };
    // Opens, then refuses every byte: a disk that fills up as the file is written.
    if (std::filesystem::exists("/dev/full")) cases.push_back({"/dev/full", "spazio esaurito sul disco"});
    for (const Case& c : cases) {
        const std::error_code error = SaveTrendCsv(KnownSeries(), c.path);
        ASSERT_TRUE(error) << c.path;
        const std::u8string name = c.path.u8string();
        EXPECT_EQ(SaveFailedText(c.path, error),
                  "Impossibile salvare il file «" + std::string(name.begin(), name.end()) + "»: " +
                      std::string(c.reason) + ".");
    }
}

TEST(TrendCsv, EachReasonAUserCanActOnIsInItalianAndAnyOtherAsTheSystemSaysIt) {
    const std::pair<std::errc, std::string_view> cases[] = {
        {std::errc::permission_denied, "accesso negato"},
        {std::errc::read_only_file_system, "il disco è in sola lettura"},
        {std::errc::filename_too_long, "nome troppo lungo"},
    };
    for (const auto& [code, reason] : cases)
        EXPECT_EQ(SaveFailedText("a.csv", std::make_error_code(code)),
                  "Impossibile salvare il file «a.csv»: " + std::string(reason) + ".");
    const std::error_code other = std::make_error_code(std::errc::too_many_files_open);
    EXPECT_EQ(SaveFailedText("a.csv", other), "Impossibile salvare il file «a.csv»: " + other.message() + ".");
}

}  // namespace
