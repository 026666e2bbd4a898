#include "core/clsTick.h"

#include "platform/tick_count.h"

namespace corvell {

void clsTick::setCounter(int32_t ms) {
    start_ = platform::tickCount();
    duration_ = ms;
    running_ = true;
}

int32_t clsTick::counter() {
    if (!running_) return 0;
    const uint32_t elapsed = platform::tickCount() - start_;  // modulo 2^32
    if (elapsed >= 0x80000000u || static_cast<int64_t>(elapsed) >= duration_) {
        running_ = false;
        return 0;
    }
    return duration_ - static_cast<int32_t>(elapsed);
}

}  // namespace corvell
