// The band scope's level buffer: the four sweep parameters sent with a scope command (mode,
// point spacing, point count, speed) and the latest level of every sweep point, with a change
// flag per point and a running count of flagged points, so windows redraw only what changed.
// Thread contract: user-interface thread only; no locking.
#pragma once

#include <array>
#include <cstdint>

namespace corvell {

class clsScopeDATA {
  public:
    static constexpr int kPoints = 257;  // indexes 0..256; 128 is the tuned frequency
    static constexpr int kCentre = 128;

    clsScopeDATA() = default;

    // Each write outside its range, or of the value held, changes nothing.
    int16_t mode() const { return mode_; }  // 0 off, 1 continuous, 2 LSB/USB/CW sweep
    void setMode(int16_t v);
    int32_t ts() const { return ts_; }  // point spacing 1..100000 Hz
    void setTs(int32_t v);
    int32_t bwidth() const { return bwidth_; }  // point count 0..255
    void setBwidth(int32_t v);
    int16_t speed() const { return speed_; }  // sweep speed 1..200
    void setSpeed(int16_t v);

    // Writes level 0 to every point, flagging those that held another level.
    void buff_clear();
    // The level; reading clears the point's flag. Indexes outside 0..256 read 0 and are not
    // written.
    int16_t SCOPE_buff(int index);
    void setSCOPE_buff(int index, int16_t level);
    int16_t SCOPE_buff_WoFlag(int index) const;
    int16_t SCOPE_change(int index) const;
    void setSCOPE_change(int index, int16_t flag);
    int16_t SCOPE_ChangeCount() const { return changeCount_; }

  private:
    static bool valid(int index) { return index >= 0 && index < kPoints; }

    int16_t mode_ = 0;
    int32_t ts_ = 5000;
    int16_t bwidth_ = 200;
    int16_t speed_ = 20;
    std::array<int16_t, kPoints> level_{};
    std::array<int16_t, kPoints> change_{};
    int16_t changeCount_ = 0;
};

}  // namespace corvell
