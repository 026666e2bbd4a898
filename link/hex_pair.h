// Two upper-case hexadecimal digits of a reply frame as one value 0..255.
// Thread contract: pure functions, callable from any thread.
#pragma once

#include <cstdint>

namespace quillon {

// 0-9 and A-F count 0..15; anything else (which the assembler never lets through) counts 0.
constexpr int32_t HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

constexpr int32_t HexPair(char high, char low) {
    return 16 * HexDigit(high) + HexDigit(low);
}

}  // namespace quillon
