#include "panel/local_time.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

std::int64_t CivilSeconds(const std::tm& tm) {
    using namespace std::chrono;
    // Months past December carry into the year first, as mktime does.
    const int monthsFromYear0 = (tm.tm_year + 1900) * 12 + tm.tm_mon;
    const int year = monthsFromYear0 >= 0 ? monthsFromYear0 / 12 : (monthsFromYear0 - 11) / 12;
    const int month = monthsFromYear0 - year * 12;
    const sys_days first = year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month + 1)},
                                          day{1}};
    const std::int64_t days = first.time_since_epoch().count() + (tm.tm_mday - 1);
    return days * 86400 + tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec;
}

LocalTime LocalTimeAt(std::time_t when) {
    LocalTime t{*std::localtime(&when), 0};  // one thread: the shared result is safe
    // The offset is what the local calendar is ahead of UTC's at this
    // instant: neither %z nor timegm is on every C library.
    t.utcOffset = static_cast<std::int32_t>(CivilSeconds(t.tm) - CivilSeconds(*std::gmtime(&when)));
    return t;
}

std::string IsoLocalTime(std::int64_t utc, std::int32_t utcOffset, std::optional<int> millisecond) {
    using namespace std::chrono;
    const std::int64_t local = utc + utcOffset;
    const std::int64_t secondOfDay = ((local % 86400) + 86400) % 86400;
    const sys_days date{days{(local - secondOfDay) / 86400}};
    const year_month_day ymd{date};
    const int offsetMinutes = std::abs(utcOffset) / 60;
    char fraction[8] = "";
    if (millisecond) std::snprintf(fraction, sizeof fraction, ".%03d", *millisecond % 1000);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d%s%c%02d:%02d",
                  static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(secondOfDay / 3600),
                  static_cast<int>(secondOfDay / 60 % 60), static_cast<int>(secondOfDay % 60), fraction,
                  utcOffset < 0 ? '-' : '+', offsetMinutes / 60, offsetMinutes % 60);
    return text;
}
