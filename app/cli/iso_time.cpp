#include "app/cli/iso_time.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Days since 1970-01-01 of a civil date; the offset is the difference of
// the local and the UTC fields, as neither %z nor timegm is on every C
// library (Windows's %z gives the zone's name).
long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

long SecondsOf(const std::tm& t) {
    return DaysFromCivil(t.tm_year + 1900L, t.tm_mon + 1L, t.tm_mday) * 86400L + t.tm_hour * 3600L +
           t.tm_min * 60L + t.tm_sec;
}

}  // namespace

std::string IsoTime(const std::tm& local, long offsetSeconds) {
    const long minutes = std::labs(offsetSeconds) / 60;
    char text[96];  // room for any field values the compiler can imagine
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  offsetSeconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

std::string LocalIsoTime(std::time_t when) {
    const std::tm local = *std::localtime(&when);
    const std::tm utc = *std::gmtime(&when);
    return IsoTime(local, SecondsOf(local) - SecondsOf(utc));
}
