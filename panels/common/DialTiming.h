// Dial acceleration: the time to the next firing of a held dial, chosen anew at every firing from
// how long it has been held, the tuning step and the dial-speed setting (1 = fast).
// Thread contract: pure function, any thread.
#pragma once

#include <cstdint>

namespace corvell::panels {

constexpr int DialRepeatTime(int repeatCount, int32_t tuningStepHz, int dialSpeed) {
    const bool fast = dialSpeed == 1;
    const bool coarse = tuningStepHz > 1000;
    int t = 400;
    if (repeatCount > 0) t = coarse ? (fast ? 50 : 100) : (fast ? 30 : 60);
    if (repeatCount > 25) t = coarse ? (fast ? 30 : 60) : (fast ? 15 : 30);
    return t;
}

}  // namespace corvell::panels
