// One receive range of a band-edge table: low and high edge in Hz, both inside.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {

class clsEDGE {
  public:
    static constexpr int16_t isLOW = -1;
    static constexpr int16_t isHIGH = 1;
    static constexpr int16_t isINSIDE = 0;

    int32_t low() const { return low_; }
    void setLow(int32_t hz) { low_ = hz < 1 ? 0 : hz; }  // below 1 Hz is stored as 0
    int32_t high() const { return high_; }
    void setHigh(int32_t hz) { high_ = hz < 1 ? 0 : hz; }

    // isLOW below the range, isHIGH above it, isINSIDE within it (both edges included).
    int16_t compair(int32_t f) const { return f < low_ ? isLOW : (f > high_ ? isHIGH : isINSIDE); }

  private:
    int32_t low_ = 0;
    int32_t high_ = 0;
};

}  // namespace corvell
