// Millisecond tick count of the system: a monotonic clock in 32 bits that wraps after about
// 49.7 days, as callers that compute differences expect.
// Thread contract: every function may be called from any thread at any time.
#pragma once

#include <cstdint>

namespace platform {

using TickSource = uint32_t (*)();

// Milliseconds since an arbitrary start, wrapping at 2^32.
uint32_t tickCount();

// Replaces the clock behind tickCount() (tests drive time by hand); nullptr restores the
// system clock.
void setTickSource(TickSource source);

// Blocks the calling thread for at least `ms` milliseconds.
void sleepMs(uint32_t ms);

}  // namespace platform
