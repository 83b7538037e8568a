#include "panel/trend_series.h"

void TrendSeries::Add(const TrendPoint& point) {
    if (m_capacity == 0) return;
    if (m_points.size() < m_capacity) {
        m_points.push_back(point);
        return;
    }
    m_points[m_oldest] = point;
    m_oldest = (m_oldest + 1) % m_capacity;
}

void TrendSeries::Clear() {
    // The memory goes too: a cleared day of points should not stay held.
    std::vector<TrendPoint>().swap(m_points);
    m_oldest = 0;
}

std::size_t TrendSeries::FirstSince(std::int64_t utc) const {
    std::size_t i = Size();
    while (i > 0 && (*this)[i - 1].utc >= utc) --i;
    return i;
}
