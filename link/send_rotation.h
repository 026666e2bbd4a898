// The sender's rotation: the change flags that the group of each send step serves, and the step
// that follows it. Steps 0 and 8 serve the same group, so a full rotation is nine turns that
// visit the frequency and squelch group twice. The PLL and AFC flags belong to no group: they
// are raised by their setters and never sent.
// Thread contract: the functions only read the store's flags, from any thread.
#pragma once

#include <cstdint>

namespace quillon {

class ReceiverState;

class SendRotation {
  public:
    static constexpr int32_t kLastStep = 16;
    static constexpr int kSteps = kLastStep / 2 + 1;

    // The step after `step`; any value that is no send step goes back to 0.
    static int32_t Next(int32_t step);
    // Whether a flag of the group that `step` serves is raised.
    static bool GroupRaised(const ReceiverState& state, int32_t step);
    // The first step from `from` on, in rotation order, whose group has a raised flag; -1 when
    // no group has one.
    static int32_t FirstRaised(const ReceiverState& state, int32_t from);
};

}  // namespace quillon
