#include "core/ValueProcs.h"

namespace corvell {

int32_t ClampLong(int32_t lo, int32_t hi, int32_t v) {
    return v < lo ? lo : (v > hi ? hi : v);
}

int16_t ClampInt(int16_t lo, int16_t hi, int16_t v) {
    return v < lo ? lo : (v > hi ? hi : v);
}

double DegToRad(int32_t degrees) {
    return static_cast<double>(degrees < 360 ? degrees : 0) * 3.141592 / 180.0;
}

}  // namespace corvell
