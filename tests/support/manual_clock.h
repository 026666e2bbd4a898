// A hand-driven tick count for tests: while one exists, platform::tickCount() reads its time,
// which moves only by advance(). The time is atomic, so a thread of the link library may read
// it while the test moves it.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/tick_count.h"

namespace corvell::test {

class ManualClock {
  public:
    ManualClock() { platform::setTickSource(&ManualClock::read); }
    ~ManualClock() { platform::setTickSource(nullptr); }
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;
    void advance(uint32_t ms) { now().fetch_add(ms, std::memory_order_relaxed); }

  private:
    static std::atomic<uint32_t>& now() {
        static std::atomic<uint32_t> t{1000000};
        return t;
    }
    static uint32_t read() { return now().load(std::memory_order_relaxed); }
};

}  // namespace corvell::test
