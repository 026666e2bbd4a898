// The emulator's clock: microseconds of the system's monotonic clock, the same clock in every
// process, so time stamps of received lines can be compared with a caller's own readings.
// Thread contract: callable from any thread.
#pragma once

#include <time.h>

#include <cstdint>

namespace rxemu {

inline int64_t monotonicUs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t{now.tv_sec} * 1000000 + now.tv_nsec / 1000;
}

}  // namespace rxemu
