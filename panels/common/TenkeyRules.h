// The key-pad rules the tuning panels share: the entry read as a frequency, the memory-channel
// number typed on the key pad, and the read-out text and glyph ids of the frequency digits.
// Numbers are read in 64 bits first, so a long or odd buffer never wraps into a wrong value.
// Thread contract: pure functions, any thread; a memo belongs to one thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "panels/common/TextMemo.h"

namespace corvell::panels {

// The entry buffer as Hz: leading blanks skipped, then digits only (with `appendZero` one "0"
// more, for an entry that ends at the 10 Hz place). Nullopt ("does not convert") for an empty
// text, any other character, or a value above 2^31 - 1.
std::optional<int32_t> EntryToHz(std::string_view buff, bool appendZero = false);

// The channel a key-pad entry names for the MCH key: only while an entry is open and one or two
// digits were typed before any point (InputPos 1 or 2); the buffer's number clamped to 0..49.
// Nullopt means: select nothing, only close the entry.
std::optional<int16_t> MchChannel(bool entryOpen, std::string_view inputPos, std::string_view buff);

// The read-out text of the frequency digits, MMMM.kkk.hhh: while an entry is open the buffer
// split into groups; else the frequency (its last group `lowPlaces` long: 3, or 2 for a panel
// whose entry ends at the 10 Hz place) with a trailing blank; a receiver at 0 Hz the empty mask.
std::string DispTenkeyText(bool entryOpen, std::string_view buff, int32_t frequencyHz,
                           int lowPlaces = 3);

// The same text, kept in `memo` between heartbeat ticks: made again only when the entry or the
// frequency changed (a panel's `lowPlaces` never does).
using TenkeyTextMemo = TextMemo<bool, std::string, int32_t>;
inline const std::string& DispTenkeyText(TenkeyTextMemo& memo, bool entryOpen,
                                         const std::string& buff, int32_t frequencyHz,
                                         int lowPlaces = 3) {
    return memo([&] { return DispTenkeyText(entryOpen, buff, frequencyHz, lowPlaces); }, entryOpen,
                buff, frequencyHz);
}

// The glyph of one read-out character: a digit d gives digitBase + d, "." pointId, else 0.
constexpr int16_t ReadoutGlyph(char c, int16_t digitBase = 1600, int16_t pointId = 1610) {
    if (c >= '0' && c <= '9') return static_cast<int16_t>(digitBase + (c - '0'));
    if (c == '.') return pointId;
    return 0;
}

}  // namespace corvell::panels
