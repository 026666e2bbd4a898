#include "tools/rx-emulator/frame_tracker.h"

#include "tools/rx-emulator/reply_frames.h"

namespace rxemu {

bool FrameTracker::observe(uint8_t byte) {
    const char c = static_cast<char>(byte);
    if (const int length = frameLength(c); length != 0) {
        current_ = 1;
        expected_ = length;
        return false;
    }
    if (!isHexDigit(c)) {
        expected_ = 0;
        return false;
    }
    if (current_ > kBufferSize - 1) {
        current_ = 0;
        expected_ = 0;
        return false;
    }
    if (current_ == 0) return false;
    ++current_;
    if (current_ == expected_) {
        expected_ = 0;
        return true;
    }
    return false;
}

bool FrameTracker::wouldComplete(uint8_t byte) const {
    FrameTracker probe = *this;
    return probe.observe(byte);
}

}  // namespace rxemu
