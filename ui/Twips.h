// Twips, the unit the windows' geometry is stored in (15 per pixel on every screen we support),
// and the rounding the conversions use.
// Thread contract: pure functions, callable from any thread.
#pragma once

#include <cmath>
#include <cstdint>

namespace corvell::ui {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int64_t roundHalfEven(double value) {
    return static_cast<int64_t>(std::nearbyint(value));
}

inline double pixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

// Whole pixels of a length in twips, halves to even.
inline int twipsToPixels(double twips) {
    return static_cast<int>(roundHalfEven(twips / kTwipsPerPixel));
}

}  // namespace corvell::ui
