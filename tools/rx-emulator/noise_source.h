// Line noise that looks like replies but never is one: start letters, runs of digits (some
// longer than any frame buffer), lower-case letters, line ends and arbitrary bytes, mixed so
// that no complete frame ever forms, whatever the bytes before it were.
// Thread contract: used by one thread at a time (the emulator's writer).
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "tools/rx-emulator/frame_tracker.h"

namespace rxemu {

class NoiseSource {
  public:
    explicit NoiseSource(uint32_t seed) : random_(seed) {}

    // `count` noise bytes that follow what `tracker` has seen; the tracker is advanced over them.
    std::string burst(FrameTracker& tracker, size_t count);

  private:
    uint8_t pick();

    std::mt19937 random_;
    bool abandonNext_ = false;  // a line feed comes next
    int digitRun_ = 0;          // digits still to come in a long run
};

}  // namespace rxemu
