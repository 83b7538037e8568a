#include "panel/traffic_log.h"

#include "panel/file_save.h"
#include "panel/traffic_line.h"
#include "panel/traffic_words_italian.h"

#include <algorithm>

void TrafficLog::OnLinkEvent(const LinkEvent& event) {
    // The recorder pairs replies with requests, so it sees every event,
    // paused or not: a reply that comes after Riprendi still has its delay.
    const TrafficRecord record = m_recorder.Record(event);
    if (m_paused) return;
    if (m_lines.size() == kKeptLines) m_lines.pop_front();
    m_lines.push_back(TrafficLine(record, ItalianTrafficWords()));
    ++m_end;
    if (m_onAdded) m_onAdded();
}

void TrafficLog::Clear() { m_lines.clear(); }

TrafficLog::Update TrafficLog::UpdateFrom(std::uint64_t shownFirst, std::uint64_t shownEnd) const {
    const std::uint64_t first = FirstNumber();
    // A list that shows lines the log no longer has at its end (cleared),
    // or none it still has, starts again.
    if (shownEnd < first || shownEnd > m_end || shownFirst > shownEnd || (shownEnd == first && shownFirst < first))
        return {.reset = true, .appendFrom = 0};
    return {.dropFront = static_cast<std::size_t>(std::max(first, shownFirst) - shownFirst),
            .appendFrom = static_cast<std::size_t>(shownEnd - first)};
}

std::string TrafficLog::Text(std::span<const std::size_t> indexes) const {
    std::string text;
    for (const std::size_t i : indexes) {
        if (i >= m_lines.size()) continue;
        text += m_lines[i];
        text += '\n';
    }
    return text;
}

std::error_code TrafficLog::Save(const std::filesystem::path& path) const {
    return SaveFile(path, [this](std::ostream& out) {
        for (const std::string& line : m_lines) out << line << '\n';
    });
}
