// Program-wide values fixed at start-up: the language offset added to every string-resource id
// (1000 under a Japanese locale, else 0) and the heartbeat period the windows count ticks in.
// Thread contract: set on the user-interface thread during start-up; read anywhere after.
#pragma once

#include <cstdint>

namespace corvell {

inline int32_t& LanguageOffsetValue() {
    static int32_t offset = 0;
    return offset;
}
inline int32_t LanguageOffset() {
    return LanguageOffsetValue();
}
inline void SetLanguageOffset(int32_t offset) {
    LanguageOffsetValue() = offset;
}

inline int16_t& HeartbeatPeriodMsValue() {
    static int16_t period = 0;
    return period;
}
inline int16_t HeartbeatPeriodMs() {
    return HeartbeatPeriodMsValue();
}
// Sets the heartbeat period to 50 ms.
inline void SetGlobalPeriod() {
    HeartbeatPeriodMsValue() = 50;
}

}  // namespace corvell
