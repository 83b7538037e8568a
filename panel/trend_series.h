// The points the trend window draws and saves: one per poll tick that read
// the board, oldest first. A ring: when it is full, each new point drops the
// oldest, so a day of ticks fits and memory never grows past that.
#ifndef VELMORA_PANEL_TREND_SERIES_H
#define VELMORA_PANEL_TREND_SERIES_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct TrendPoint {
    std::int64_t utc = 0;        // seconds since the epoch
    std::int32_t utcOffset = 0;  // of the PC's local time then, seconds east
    std::optional<double> temperature;  // °C; none: not read, or no value in the reply
    std::optional<int> analog;          // 0..1023; none as above
};

class TrendSeries {
public:
    // A day of ticks, one a second.
    static constexpr std::size_t kDefaultCapacity = 24 * 60 * 60;

    explicit TrendSeries(std::size_t capacity = kDefaultCapacity) : m_capacity(capacity) {}

    void Add(const TrendPoint& point);
    void Clear();
    std::size_t Size() const { return m_points.size(); }
    std::size_t Capacity() const { return m_capacity; }
    bool Empty() const { return m_points.empty(); }
    // The i-th point, 0 the oldest kept.
    const TrendPoint& operator[](std::size_t i) const {
        return m_points[(m_oldest + i) % m_points.size()];
    }
    const TrendPoint& Latest() const { return (*this)[m_points.size() - 1]; }
    // The index of the first of the newest points that are all at or after
    // `utc` (Size() when the latest is before it). Walks back from the
    // newest, so a chart of the last hour costs that hour, not the whole day.
    std::size_t FirstSince(std::int64_t utc) const;

private:
    std::size_t m_capacity;
    std::vector<TrendPoint> m_points;  // grows to m_capacity, then is written round
    std::size_t m_oldest = 0;          // index of the oldest point once full
};

#endif
