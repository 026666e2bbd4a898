// The receiver's mode and filter codes and the texts the program stores them as: "AM" 2,
// "WFM" 6, "CW" 3, "USB" 1, "LSB" 0 and any other text FM (5); "3k" 0, "6k" 1, "15k" 2,
// "50k" 3 and any other text "230k" (4). Comparisons are exact and case-sensitive.
// Stateless. Thread contract: any thread.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvell {

inline int32_t ModeCodeOf(std::string_view text) {
    if (text == "AM") return 2;
    if (text == "WFM") return 6;
    if (text == "CW") return 3;
    if (text == "USB") return 1;
    if (text == "LSB") return 0;
    return 5;
}

// Code 4 and any unknown code read as "AM".
inline const char* ModeNameOf(int32_t code) {
    switch (code) {
        case 0:
            return "LSB";
        case 1:
            return "USB";
        case 3:
            return "CW";
        case 5:
            return "FM";
        case 6:
            return "WFM";
        default:
            return "AM";
    }
}

inline int32_t FilterCodeOf(std::string_view text) {
    if (text == "3k") return 0;
    if (text == "6k") return 1;
    if (text == "15k") return 2;
    if (text == "50k") return 3;
    return 4;
}

// Code 4 and any unknown code read as "230k".
inline const char* FilterNameOf(int32_t code) {
    switch (code) {
        case 0:
            return "3k";
        case 1:
            return "6k";
        case 2:
            return "15k";
        case 3:
            return "50k";
        default:
            return "230k";
    }
}

}  // namespace corvell
