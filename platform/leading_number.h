// The number at the start of a text, read one way wherever a stored or typed text is read as a
// number (settings, window placement, resource ids, memory cells, the key-pad entry), and the
// rounding half to even that turns it into a whole value.
// Stateless. Thread contract: every function may be called from any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// The decimal number a text starts with: leading blanks skipped, blanks between its
// characters ignored, an optional sign, digits, one ".", an exponent; 0 when there is none.
// Only decimal digits count: "0x1A" reads 0, and "inf" and "nan" are no numbers (0).
double LeadingNumber(std::string_view text);

// v rounded to the nearest integer, halves to the even neighbour; nullopt when the result
// does not fit the type (or v is not a number).
std::optional<int32_t> RoundToInt32(double v);
std::optional<int16_t> RoundToInt16(double v);

}  // namespace platform
