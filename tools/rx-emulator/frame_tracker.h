// Follows the framing of the bytes the receiver sends, the way the far end cuts them: a start
// letter opens a frame of the letter's length, digits fill it, any other byte abandons it. The
// noise source asks it which byte would complete a frame, so noise never forms one.
// Thread contract: used by one thread at a time (the emulator's writer).
#pragma once

#include <cstddef>
#include <cstdint>

namespace rxemu {

class FrameTracker {
  public:
    // The far end's frame buffer: a frame longer than this is dropped.
    static constexpr int kBufferSize = 256;

    // Takes one byte; true when it completed a frame.
    bool observe(uint8_t byte);
    void observe(const uint8_t* bytes, size_t count) {
        for (size_t i = 0; i < count; ++i) observe(bytes[i]);
    }
    // Whether `byte` would complete a frame if it came next.
    bool wouldComplete(uint8_t byte) const;

    int current() const { return current_; }
    int expected() const { return expected_; }

  private:
    int current_ = 0;
    int expected_ = 0;
};

}  // namespace rxemu
