// Number procedures shared by the whole program: clamping to a range, degrees to radians,
// the leading number of a text and rounding half to even, as stored texts are read.
// Stateless. Thread contract: every function may be called from any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvell {

// lo when v < lo, else hi when v > hi, else v (tested against lo first, so with lo > hi
// every value not below lo gives hi).
int32_t ClampLong(int32_t lo, int32_t hi, int32_t v);
int16_t ClampInt(int16_t lo, int16_t hi, int16_t v);

// (degrees below 360, else 0) x 3.141592 / 180.
double DegToRad(int32_t degrees);

// The decimal number a text starts with: leading blanks skipped, blanks between its
// characters ignored, an optional sign, digits, one ".", an exponent; 0 when there is none.
double LeadingNumber(std::string_view text);

// v rounded to the nearest integer, halves to the even neighbour; nullopt when the result
// does not fit the type (or v is not a number).
std::optional<int32_t> RoundToInt32(double v);
std::optional<int16_t> RoundToInt16(double v);

}  // namespace corvell
