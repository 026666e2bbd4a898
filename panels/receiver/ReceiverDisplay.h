// What the receiver panel's display shows, as pure rules: the bitmap ids of its mode lamp,
// filter bar, busy lamp and centre meter, the texts of its labels, the marks of its five level
// knobs, the dial marker and the S-meter needle.
// Thread contract: pure functions, any thread.
#pragma once

#include <cstdint>
#include <string>

#include "panels/common/ChannelNames.h"

namespace corvell::panels {

// ---- lamps ----
// Mode lamp (image 73): -1 while blank (no picture), else the mode's read-out.
int16_t ModeLampId(bool blank, int32_t mode);
// Filter bar (image 74): 0 while blank.
int16_t FilterBarId(bool blank, int32_t filter);
// Busy lamp state: 1 quiet, 2 busy, 3 the receiver reports a receive error while tuned.
int BusyLampState(int32_t busy, int32_t rxerr, bool blank, int32_t frequency);
// The picture of a busy-lamp state: none, the busy lamp, or the receive-error lamp.
int16_t BusyLampId(int state);
inline constexpr int16_t kBusyLampId = 3098;
inline constexpr int16_t kRxErrorLampId = 3097;
// Centre-tuning meter (image 80): shown only in FM on the 6k or 15k filter without a receive
// error (or while blank); 0 for no picture.
int16_t CentreMeterId(int32_t mode, int32_t filter, int32_t rxerr, bool blank, int32_t cmeter);

// ---- labels ----
// TwoDigits of panels/common/ChannelNames.h.

// ---- knobs ----
// The level of the scan speed knob (fast to the left) and of the scan delay knob, 0..255.
int32_t ScanSpeedLevel(int16_t speed);
int32_t ScanDelayLevel(int16_t delaytime);
// The mark's angle in whole degrees: -240 at level 0, 46 at 255, clockwise with y downward.
int32_t KnobAngle(int32_t level);
struct Line {
    int x1, y1, x2, y2;
    bool operator==(const Line&) const = default;
};
// The mark from radius 6 to radius 8 about the knob's centre.
Line KnobMark(int cx, int cy, int32_t angleDegrees);
// A knob image's centre: CInt(width / 2 + left), CInt(height / 2 + top).
int KnobCentre(int start, int size);

// ---- dial ----
// The dial position after n steps of 10 positions, within 0..199.
int32_t TurnDialPosition(int32_t position, int n);
int32_t DialAngle(int32_t position);
struct PointF {
    double x, y;
};
// The marker's top-left corner (33 x 27 oval) on its circle of radius 29 about the dial centre.
PointF DialMarkAt(int32_t angleDegrees);

// ---- S-meter needle ----
struct NeedleGeometry {
    int length, pivotX, pivotY;
    bool operator==(const NeedleGeometry&) const = default;
};
NeedleGeometry NeedleFor(int innerWidth, int innerHeight);
struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};
// The needle's free end for a smoothed S-meter level 0..255.
Point NeedleTip(const NeedleGeometry& g, int32_t level);

}  // namespace corvell::panels
