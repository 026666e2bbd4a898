#include "panels/receiver/ReceiverDisplay.h"

#include <cmath>
#include <cstdio>

#include "core/ValueProcs.h"
#include "ui/Twips.h"

namespace corvell::panels {
namespace {

int cint(double v) {
    return static_cast<int>(ui::roundHalfEven(v));
}

constexpr double kPi = 3.141592;

}  // namespace

int16_t ModeLampId(bool blank, int32_t mode) {
    if (blank) return -1;
    switch (mode) {
        case 0:
            return 3104;
        case 1:
            return 3103;
        case 2:
            return 3023;
        case 3:
            return 3116;
        case 6:
            return 3099;
        default:
            return 3100;
    }
}

int16_t FilterBarId(bool blank, int32_t filter) {
    if (blank) return 0;
    switch (filter) {
        case 0:
            return 3109;
        case 1:
            return 3108;
        case 2:
            return 3107;
        case 3:
            return 3106;
        default:
            return 3105;
    }
}

int BusyLampState(int32_t busy, int32_t rxerr, bool blank, int32_t frequency) {
    if (rxerr != 0 && !blank && frequency != 0) return 3;
    return busy == 0 ? 1 : 2;
}

int16_t BusyLampId(int state) {
    if (state == 2) return kBusyLampId;
    if (state == 3) return kRxErrorLampId;
    return 0;
}

int16_t CentreMeterId(int32_t mode, int32_t filter, int32_t rxerr, bool blank, int32_t cmeter) {
    if (mode != 5 || (filter != 2 && filter != 1) || !(rxerr == 0 || blank)) return 0;
    if (cmeter > 128) return 3096;
    if (cmeter < 128) return 3094;
    return 3095;
}

int32_t ScanSpeedLevel(int16_t speed) {
    return cint(255 - static_cast<double>(int32_t{speed} * 255) / 100);
}

int32_t ScanDelayLevel(int16_t delaytime) {
    return cint(static_cast<double>(int32_t{delaytime} * 255) / 100);
}

int32_t KnobAngle(int32_t level) {
    return cint(level * 1.12 - 240);
}

Line KnobMark(int cx, int cy, int32_t angleDegrees) {
    const double r = DegToRad(angleDegrees);
    return {cint(std::cos(r) * 6 + cx), cint(std::sin(r) * 6 + cy), cint(std::cos(r) * 8 + cx),
            cint(std::sin(r) * 8 + cy)};
}

int KnobCentre(int start, int size) {
    return cint(size / 2.0 + start);
}

int32_t TurnDialPosition(int32_t position, int n) {
    int64_t p = int64_t{position} + int64_t{n} * 10;
    p %= 200;
    if (p < 0) p += 200;
    return static_cast<int32_t>(p);
}

int32_t DialAngle(int32_t position) {
    return cint(position * 360.0 / 200);
}

PointF DialMarkAt(int32_t angleDegrees) {
    const double r = DegToRad(angleDegrees);
    return {std::cos(r) * 29 + 383, std::sin(r) * 29 + 166};
}

NeedleGeometry NeedleFor(int innerWidth, int innerHeight) {
    return {cint(innerHeight * 1.3), cint(innerWidth * 0.5), cint(innerHeight * 1.5)};
}

Point NeedleTip(const NeedleGeometry& g, int32_t level) {
    const double theta = (level * 0.47 / 255 + 0.265) * kPi;
    return {cint(g.pivotX - g.length * std::cos(theta)),
            cint(g.pivotY - g.length * std::sin(theta))};
}

}  // namespace corvell::panels
