// A tick counter bounded to 0..9999.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {

class clsCounter {
  public:
    static constexpr int16_t kMax = 9999;

    int16_t value() const { return value_; }
    // Stored only when 0 <= v <= 9999; any other value leaves the counter unchanged.
    void setValue(int16_t v) {
        if (v >= 0 && v <= kMax) value_ = v;
    }
    // One more, stopping at 9999; returns the value.
    int16_t up() {
        setValue(static_cast<int16_t>(value_ + 1));
        return value_;
    }

  private:
    int16_t value_ = 0;
};

}  // namespace corvell
