// Cuts the receiver's byte stream into reply frames (see frame_grammar.h); each complete frame
// goes to ParseReply. The data-broadcast frames of one chunk share one hold of the relay mutex.
// Thread contract: used by one thread only (the port's reader).
#pragma once

#include <cstdint>

namespace quillon {

class ReceiverState;

class ReplyAssembler {
  public:
    static constexpr int kBufferSize = 256;

    explicit ReplyAssembler(ReceiverState& state) : state_(state) {}

    // True when the byte completed a frame.
    bool Feed(uint8_t byte);
    // One chunk as read from the line; the number of frames it completed.
    int Feed(const uint8_t* bytes, int32_t count);

    int CurrentLength() const { return current_; }
    int ExpectedLength() const { return expected_; }

  private:
    ReceiverState& state_;
    char frame_[kBufferSize] = {};
    int current_ = 0;
    int expected_ = 0;
};

}  // namespace quillon
