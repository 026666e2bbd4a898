// What the scan pad shows, worked out without widgets: the needle's tip for an S-meter level,
// the blinking condition text, the busy lamp and the FM centre indicator, and the pictures of
// its keys and lamps.
// Thread contract: user-interface thread only (the blink uses the program tick count).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/clsTick.h"

namespace corvell {

struct NeedlePoint {
    int x;
    int y;
    bool operator==(const NeedlePoint&) const = default;
};

// The needle of a meter face w x h: pivot below the face, swinging 77 degrees.
struct NeedleGeometry {
    double x0;
    double y0;
    double radius;
    static NeedleGeometry ForFace(int width, int height);
    // The tip for a level 0..255, rounded to whole pixels (halves to even).
    NeedlePoint tip(int level) const;
    // The needle's angle in degrees for a level (231.5 at 0, 270 at 128).
    static double angleDeg(int level);
};

// The condition strip: a new text shows for one tick, then blinks 500 ms off and 500 ms on.
class ConditionBlink {
  public:
    static constexpr int32_t kBlinkMs = 500;
    // One tick with the controller's two condition texts; returns the text to show.
    std::string step(const std::string& condition0, const std::string& condition1);

  private:
    clsTick timer_;
    bool on_ = false;
    std::string seen_;
};

// Busy-lamp state: 1 not busy, 2 busy, 3 receive error (not while blank).
int16_t busyLampState(int32_t busy, int32_t rxerr, int16_t blank);
int busyLampId(int16_t state);
// The FM centre indicator's picture, 0 for none.
int centreIndicatorId(int32_t mode, int32_t filter, int32_t rxerr, int16_t blank, int32_t cmeter);

// The pictures of images 1..12 (index 0 unused): pressed keys, scan-kind, options and VSC lamps.
struct ScanPadState {
    int16_t repeatStat;
    int16_t repeatIndex;
    int16_t scantype;
    bool optionsVisible;
    int32_t vsc;
};
std::array<int16_t, 15> scanPadWantedIds(const ScanPadState& s);

}  // namespace corvell
