#include "link/reply_assembler.h"

#include "link/parse_reply.h"

namespace quillon {

int ReplyAssembler::FrameLength(uint8_t letter) {
    switch (letter) {
        case 'G':
        case 'H':
        case 'I':
            return 4;
        case 'J':
            return 5;
        case 'K':
            return 18;
        case 'L':
            return 7;
        case 'M':
            return 21;
        case 'N':
            return 37;
        case 'O':
            return 53;
        default:
            return 0;
    }
}

void ReplyAssembler::Feed(uint8_t byte) {
    if (const int length = FrameLength(byte); length != 0) {
        frame_[0] = static_cast<char>(byte);
        current_ = 1;
        expected_ = length;
        return;
    }
    const bool hexDigit = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'F');
    if (!hexDigit) {
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
