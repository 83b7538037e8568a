// Local time as ISO 8601 with the offset from UTC:
// "2026-12-10T13:05:00+01:00", what a watch reading is stamped with.
#ifndef VELMORA_APP_CLI_ISO_TIME_H
#define VELMORA_APP_CLI_ISO_TIME_H

#include <ctime>
#include <string>

// The fields of `local` and an offset east of UTC in seconds.
std::string IsoTime(const std::tm& local, long offsetSeconds);

// The moment in this machine's time zone.
std::string LocalIsoTime(std::time_t when);

#endif
