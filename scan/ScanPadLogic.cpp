#include "scan/ScanPadLogic.h"

#include <cmath>

namespace corvell {
namespace {

constexpr double kPi = 3.141592;  // the needle's own approximation, kept for its exact places
constexpr int16_t kLampDark = 1235;
constexpr int16_t kLampLit = 1236;
constexpr int16_t kFirstKeyId = 1402;

}  // namespace

NeedleGeometry NeedleGeometry::ForFace(int width, int height) {
    return {0.5 * width, 1.5 * height, 1.3 * height};
}

double NeedleGeometry::angleDeg(int level) {
    return level * 77.0 / 256.0 + 180.0 + 103.0 / 2.0;
}

NeedlePoint NeedleGeometry::tip(int level) const {
    const double a = angleDeg(level) * kPi / 180.0;
    return {static_cast<int>(std::nearbyint(radius * std::cos(a) + x0)),
            static_cast<int>(std::nearbyint(radius * std::sin(a) + y0))};
}

std::string ConditionBlink::step(const std::string& condition0, const std::string& condition1) {
    if (timer_.counter() == 0) {
        on_ = !on_;
        timer_.setCounter(kBlinkMs);
    }
    const std::string& text = condition0.empty() ? condition1 : condition0;
    if (text != seen_) {
        seen_ = text;
        on_ = true;
        timer_.setCounter(0);
    }
    return on_ ? text : std::string();
}

int16_t busyLampState(int32_t busy, int32_t rxerr, int16_t blank) {
    int16_t state = busy != 0 ? 2 : 1;
    if (rxerr != 0 && blank == 0) state = 3;
    return state;
}

int busyLampId(int16_t state) {
    return state == 2 ? 1411 : 1410;
}

int centreIndicatorId(int32_t mode, int32_t filter, int32_t rxerr, int16_t blank, int32_t cmeter) {
    constexpr int32_t kFm = 5;
    if (mode != kFm || (filter != 1 && filter != 2) || (rxerr != 0 && blank == 0)) return 0;
    if (cmeter < 128) return 1412;
    return cmeter == 128 ? 1413 : 1414;
}

std::array<int16_t, 15> scanPadWantedIds(const ScanPadState& s) {
    std::array<int16_t, 15> ids{};
    for (int i = 1; i <= 7; ++i) {
        const bool held = s.repeatStat > 0 && s.repeatIndex == i;
        ids[i] = held ? static_cast<int16_t>(kFirstKeyId + i - 1) : 0;
    }
    for (int k = 1; k <= 3; ++k) ids[7 + k] = s.scantype == k ? kLampLit : kLampDark;
    ids[11] = s.optionsVisible ? kLampLit : kLampDark;
    ids[12] = s.vsc != 0 ? kLampLit : kLampDark;
    return ids;
}

}  // namespace corvell
