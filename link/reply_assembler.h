// Cuts the receiver's byte stream into reply frames: a start letter G..O, then upper-case
// hexadecimal digits up to the letter's fixed length; each complete frame goes to ParseReply.
// Thread contract: used by one thread only (the port's reader).
#pragma once

#include <cstdint>

namespace quillon {

class ReceiverState;

class ReplyAssembler {
  public:
    static constexpr int kBufferSize = 256;

    explicit ReplyAssembler(ReceiverState& state) : state_(state) {}

    void Feed(uint8_t byte);
    void Feed(const uint8_t* bytes, int32_t count) {
        for (int32_t i = 0; i < count; ++i) Feed(bytes[i]);
    }

    // Total length of a frame that starts with `letter`, 0 when it starts none.
    static int FrameLength(uint8_t letter);

    int CurrentLength() const { return current_; }
    int ExpectedLength() const { return expected_; }

  private:
    ReceiverState& state_;
    char frame_[kBufferSize] = {};
    int current_ = 0;
    int expected_ = 0;
};

}  // namespace quillon
