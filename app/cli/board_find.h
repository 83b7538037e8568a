// velmora-cli find: whether a board answers on a port, asked with the one
// byte of the analog read ("a") and judged by its reply, read within the
// link's bound. A port that cannot be opened (held by another program, no
// such port, not a serial port) gets no byte at all.
#ifndef VELMORA_APP_CLI_BOARD_FIND_H
#define VELMORA_APP_CLI_BOARD_FIND_H

#include "app/cli/failure_words.h"
#include "link/link_observer.h"

#include <string>

struct Probe {
    enum class Verdict { Board, NotBoard, Skipped };
    Verdict verdict = Verdict::NotBoard;
    PortFailure failure = PortFailure::None;  // Skipped: why the port did not open
    std::string why;                          // NotBoard: what came back instead
};

// `observer`: told the probe's traffic (the trace); null for none.
Probe ProbeForBoard(const std::string& port, LinkObserver* observer);

#endif
