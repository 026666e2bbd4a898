#include "link/reply_assembler.h"

#include "link/frame_grammar.h"
#include "link/parse_reply.h"
#include "link/receiver_state.h"

namespace quillon {

void ReplyAssembler::Feed(const uint8_t* bytes, int32_t count) {
    // A system-wide lock per data frame would cost more than parsing it; one per chunk keeps
    // every frame whole for readers all the same.
    DarcRelay::Batch batch(state_.relay());
    for (int32_t i = 0; i < count; ++i) Feed(bytes[i]);
}

void ReplyAssembler::Feed(uint8_t byte) {
    if (const int length = FrameLength(byte); length != 0) {
        frame_[0] = static_cast<char>(byte);
        current_ = 1;
        expected_ = length;
        return;
    }
    if (!IsFrameDigit(byte)) {
        expected_ = 0;  // the frame is abandoned; digits are only counted until the next letter
        return;
    }
    if (current_ > kBufferSize - 1) {
        current_ = 0;
        expected_ = 0;
        return;
    }
    if (current_ == 0) return;  // no frame started
    frame_[current_++] = static_cast<char>(byte);
    if (current_ == expected_) {
        ParseReply(frame_, current_, state_);
        expected_ = 0;
    }
}

}  // namespace quillon
