#include "link/reply_assembler.h"

#include "link/frame_grammar.h"
#include "link/parse_reply.h"
#include "link/receiver_state.h"

namespace quillon {

int ReplyAssembler::Feed(const uint8_t* bytes, int32_t count) {
    // A system-wide lock per data frame would cost more than parsing it; one per chunk keeps
    // every frame whole for readers all the same.
    DarcRelay::Batch batch(state_.relay());
    int frames = 0;
    for (int32_t i = 0; i < count; ++i) frames += Feed(bytes[i]) ? 1 : 0;
    return frames;
}

bool ReplyAssembler::Feed(uint8_t byte) {
    if (const int length = FrameLength(byte); length != 0) {
        frame_[0] = static_cast<char>(byte);
        current_ = 1;
        expected_ = length;
        return false;
    }
    if (!IsFrameDigit(byte)) {
        expected_ = 0;  // the frame is abandoned; digits are only counted until the next letter
        return false;
    }
    if (current_ > kBufferSize - 1) {
        current_ = 0;
        expected_ = 0;
        return false;
    }
    if (current_ == 0) return false;  // no frame started
    frame_[current_++] = static_cast<char>(byte);
    if (current_ == expected_) {
        ParseReply(frame_, current_, state_);
        expected_ = 0;
        return true;
    }
    return false;
}

}  // namespace quillon
