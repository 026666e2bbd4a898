// The receiver's mode and filter codes and the texts the program stores them as, from one
// table each. The receiver object reads an unknown mode text as FM and an unknown filter text
// as "230k"; the channel record has fallbacks of its own and uses the lookups that say "none".
// Comparisons are exact and case-sensitive. Stateless. Thread contract: any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/ReceiverCodes.h"

namespace corvell {

struct CodeName {
    int32_t code;
    const char* name;
};

inline constexpr CodeName kModeNames[] = {{kModeLSB, "LSB"}, {kModeUSB, "USB"}, {kModeAM, "AM"},
                                          {kModeCW, "CW"},   {kModeFM, "FM"},   {kModeWFM, "WFM"}};
inline constexpr CodeName kFilterNames[] = {{kFilter3k, "3k"},
                                            {kFilter6k, "6k"},
                                            {kFilter15k, "15k"},
                                            {kFilter50k, "50k"},
                                            {kFilter230k, "230k"}};

template <std::size_t N>
constexpr std::optional<int32_t> CodeOfName(const CodeName (&table)[N], std::string_view text) {
    for (const CodeName& row : table) {
        if (text == row.name) return row.code;
    }
    return std::nullopt;
}

template <std::size_t N>
constexpr const char* NameOfCode(const CodeName (&table)[N], int32_t code) {
    for (const CodeName& row : table) {
        if (row.code == code) return row.name;
    }
    return nullptr;
}

// Any text that names no mode is FM.
inline int32_t ModeCodeOf(std::string_view text) {
    return CodeOfName(kModeNames, text).value_or(kModeFM);
}

// Code 4 and any unknown code read as "AM".
inline const char* ModeNameOf(int32_t code) {
    const char* name = NameOfCode(kModeNames, code);
    return name ? name : "AM";
}

// Any text that names no filter is "230k".
inline int32_t FilterCodeOf(std::string_view text) {
    return CodeOfName(kFilterNames, text).value_or(kFilter230k);
}

// Any unknown code reads as "230k".
inline const char* FilterNameOf(int32_t code) {
    const char* name = NameOfCode(kFilterNames, code);
    return name ? name : "230k";
}

}  // namespace corvell
