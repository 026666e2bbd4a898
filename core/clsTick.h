// A millisecond countdown on the system tick count that survives the tick count's wrap.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {

class clsTick {
  public:
    // Arms the countdown for `ms` milliseconds from now; re-arming restarts it.
    void setCounter(int32_t ms);
    // The milliseconds left; 0 once the time is up (and from then on), or when never armed.
    int32_t counter();

  private:
    uint32_t start_ = 0;
    int32_t duration_ = 0;
    bool running_ = false;
};

}  // namespace corvell
