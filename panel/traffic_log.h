// What the "Traffico" window shows: the link's events as lines, the newest
// last, at most kKeptLines of them (older ones go first). The panel hands
// it to its link as the observer once the window is first opened; the
// window asks it which lines are new and carries out its buttons' orders.
// It adds nothing to the line: it only reads what the link reports.
#ifndef VELMORA_PANEL_TRAFFIC_LOG_H
#define VELMORA_PANEL_TRAFFIC_LOG_H

#include "link/link_observer.h"
#include "link/traffic_record.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

class TrafficLog : public LinkObserver {
public:
    static constexpr std::size_t kKeptLines = 10000;
    // The pause button says what a press will do; the save chooser offers
    // this name.
    static constexpr std::string_view kPauseText = "&Pausa";
    static constexpr std::string_view kResumeText = "&Riprendi";
    static constexpr std::string_view kSaveName = "traffico.txt";
    std::string_view PauseButtonText() const { return m_paused ? kResumeText : kPauseText; }

    void OnLinkEvent(const LinkEvent& event) override;

    // Called after each line added (not while paused); null for none.
    void OnAdded(std::function<void()> notify) { m_onAdded = std::move(notify); }

    // Paused, the log adds no line and keeps what it holds.
    void SetPaused(bool paused) { m_paused = paused; }
    bool Paused() const { return m_paused; }
    void Clear();

    std::size_t Size() const { return m_lines.size(); }
    const std::string& Line(std::size_t index) const { return m_lines[index]; }
    // Every line has a number, counting from the first ever added; they
    // stay with their lines across drops and clears, so a window showing
    // [its first, its end) can tell what to drop and what to add.
    std::uint64_t FirstNumber() const { return m_end - m_lines.size(); }
    std::uint64_t EndNumber() const { return m_end; }

    // How a list that shows the lines numbered [shownFirst, shownEnd) comes
    // to show the log's: drop `dropFront` of its first rows (all of them
    // when `reset`), then append the log's lines from index `appendFrom`.
    struct Update {
        bool reset = false;
        std::size_t dropFront = 0;
        std::size_t appendFrom = 0;
    };
    Update UpdateFrom(std::uint64_t shownFirst, std::uint64_t shownEnd) const;

    // The lines at these indexes (in the order given), each ending in a
    // newline: what "Copia" puts on the clipboard.
    std::string Text(std::span<const std::size_t> indexes) const;
    // Every line, UTF-8, each ending in a newline, into the file at `path`
    // (replacing it). No error, or why it could not be written.
    std::error_code Save(const std::filesystem::path& path) const;

private:
    TrafficRecorder m_recorder;
    std::deque<std::string> m_lines;
    std::uint64_t m_end = 0;
    bool m_paused = false;
    std::function<void()> m_onAdded;
};

#endif
