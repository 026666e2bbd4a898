// The level rule of the arrow keys, shared by AF gain and squelch: up by 5 below 250, else 250;
// down by 5 from 5 on, else 0. (246..249 thus rise to 251..254, as the receiver accepts.)
// Thread contract: pure functions, any thread.
#pragma once

#include <cstdint>

namespace corvell::panels {

constexpr int32_t LevelUp(int32_t value) {
    return value < 250 ? value + 5 : 250;
}

constexpr int32_t LevelDown(int32_t value) {
    return value >= 5 ? value - 5 : 0;
}

}  // namespace corvell::panels
