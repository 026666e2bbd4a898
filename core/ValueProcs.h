// Number procedures shared by the whole program: clamping to a range, degrees to radians,
// and (from platform/leading_number.h) the leading number of a text and rounding half to even,
// as stored texts are read.
// Stateless. Thread contract: every function may be called from any thread.
#pragma once

#include <cstdint>

#include "platform/leading_number.h"

namespace corvell {

// lo when v < lo, else hi when v > hi, else v (tested against lo first, so with lo > hi
// every value not below lo gives hi).
int32_t ClampLong(int32_t lo, int32_t hi, int32_t v);
int16_t ClampInt(int16_t lo, int16_t hi, int16_t v);

// (degrees below 360, else 0) x 3.141592 / 180.
double DegToRad(int32_t degrees);

using platform::LeadingNumber;
using platform::RoundToInt16;
using platform::RoundToInt32;

}  // namespace corvell
