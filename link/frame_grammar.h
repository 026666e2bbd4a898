// The grammar of the receiver's reply frames: a start letter G..O, then upper-case
// hexadecimal digits up to the fixed total length the letter gives.
// Thread contract: pure functions, callable from any thread.
#pragma once

#include <cstdint>

namespace quillon {

// Total length of a frame that starts with `letter`, 0 when it starts none.
constexpr int FrameLength(uint8_t letter) {
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

// Whether `byte` may follow the start letter inside a frame.
constexpr bool IsFrameDigit(uint8_t byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'F');
}

}  // namespace quillon
