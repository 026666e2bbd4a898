#include "core/FreqText.h"

#include <cstdio>
#include <cstdlib>

namespace corvell {

std::string FormatFreqMHz(int32_t hz) {
    const long long value = hz;
    const long long magnitude = std::llabs(value);
    const long long mhz = magnitude / 1000000;
    const long long rest = magnitude % 1000000;
    char whole[16];
    if (value < 0) {
        std::snprintf(whole, sizeof whole, "-%lld", mhz);
    } else {
        std::snprintf(whole, sizeof whole, "%lld", mhz);
    }
    char out[32];
    std::snprintf(out, sizeof out, "%4s.%06lld", whole, rest);
    return out;
}

}  // namespace corvell
