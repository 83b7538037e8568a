// The PC's clock as watch stamps its readings: whole seconds since the
// epoch and the milliseconds into that second.
#ifndef VELMORA_APP_CLI_WALL_CLOCK_H
#define VELMORA_APP_CLI_WALL_CLOCK_H

#include <ctime>

struct WallTime {
    // Not explicit: a clock that knows only whole seconds (std::time) is
    // one too, with 0 milliseconds.
    WallTime(std::time_t s, int ms = 0) : seconds(s), milliseconds(ms) {}
    std::time_t seconds;
    int milliseconds;  // 0..999
};

WallTime WallClockNow();

#endif
