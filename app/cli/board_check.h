// velmora-cli check: tries the board on an open link and judges what came
// back, one verdict per check: the analog, temperature and hello replies,
// the reply delays against the read bound, and bytes that came unasked.
// It sends only reads unless told to try the outputs too, so a plain check
// never changes what the board shows.
#ifndef VELMORA_APP_CLI_BOARD_CHECK_H
#define VELMORA_APP_CLI_BOARD_CHECK_H

#include "link/serial_link.h"
#include "link/traffic_record.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct CheckPlan {
    int rounds = 5;        // analog and temperature reads, each
    bool outputs = false;  // also the layout, the four rows, each LED and the buzzer on then off
    int columns = 16;      // the rows' width
    // How long after each reply or command the line is watched for bytes
    // nobody asked for: a firmware's stray bytes follow it within a few ms.
    std::chrono::milliseconds settle{100};
};

struct CheckVerdict {
    bool pass = false;
    std::string check;    // "analog reply"
    std::string figures;  // what was measured, or why it failed with the figures
};

// A reply that comes this close to the read bound fails the delay check:
// a slower PC or a busier board would miss it.
inline constexpr int kDelayMarginMs = 50;

class BoardCheck : private LinkObserver {
public:
    enum class Outcome { Done, PortFailed, Stopped };

    // `chained`: the observer the link had (the trace), told every event too.
    BoardCheck(CSerialLink& link, LinkObserver* chained, CheckPlan plan, std::function<bool()> stopping);
    ~BoardCheck();
    BoardCheck(const BoardCheck&) = delete;
    BoardCheck& operator=(const BoardCheck&) = delete;

    // Done: Verdicts() holds one line per check. PortFailed: a command did
    // not go out or the port went; the link says why.
    Outcome Run();
    const std::vector<CheckVerdict>& Verdicts() const { return m_verdicts; }

private:
    struct Unasked {
        TrafficRecord after;  // the last command sent before the bytes came
        std::string bytes;
    };
    void OnLinkEvent(const LinkEvent& event) override;
    // Waits the settle time, then drops what came meanwhile: the observer
    // sees it as unasked.
    void Settle();
    bool Sent(bool sent);
    Outcome Reads();
    Outcome Outputs();
    void Judge();

    CSerialLink& m_link;
    LinkObserver* m_chained;
    CheckPlan m_plan;
    std::function<bool()> m_stopping;
    TrafficRecorder m_recorder;
    TrafficRecord m_lastSent;
    int m_commands = 0;                    // commands sent, reads counted once
    std::vector<TrafficRecord> m_replies;  // the reads' ends, in order
    std::vector<Unasked> m_unasked;
    std::vector<CheckVerdict> m_verdicts;
};

#endif
