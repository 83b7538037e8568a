#include "app/cli/wall_clock.h"

#include <chrono>

WallTime WallClockNow() {
    using namespace std::chrono;
    const auto ms = time_point_cast<milliseconds>(system_clock::now()).time_since_epoch().count();
    return {static_cast<std::time_t>(ms / 1000), static_cast<int>(ms % 1000)};
}
