// The PC's local time as the poll reads it: the broken-down time for the
// clock, and its distance from UTC for files that must say which time it is.
#ifndef VELMORA_PANEL_LOCAL_TIME_H
#define VELMORA_PANEL_LOCAL_TIME_H

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

struct LocalTime {
    std::tm tm{};
    std::int32_t utcOffset = 0;  // seconds east of UTC
};

// The broken-down time read as seconds since 1970-01-01 00:00 of its own
// calendar (no time zone applied); out-of-range fields carry over as mktime's do.
std::int64_t CivilSeconds(const std::tm& tm);

// Seconds since the epoch in UTC of that local time.
inline std::int64_t UtcSeconds(const LocalTime& t) { return CivilSeconds(t.tm) - t.utcOffset; }

// The PC's local time at `when`, with the offset its time zone has then.
LocalTime LocalTimeAt(std::time_t when);

// "2024-03-10T14:05:03+01:00": the local time of `utc` at `utcOffset`, with
// the offset; given `millisecond` (0..999), "2024-03-10T14:05:03.120+01:00".
std::string IsoLocalTime(std::int64_t utc, std::int32_t utcOffset, std::optional<int> millisecond = std::nullopt);

#endif
