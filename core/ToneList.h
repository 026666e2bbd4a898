// The tone-squelch (CTCSS) tones: index 0 is off, 1..51 the standard tones from 67.0 Hz to
// 254.1 Hz in ascending order, each with its fixed eight-character display text.
// Thread contract: any thread (constant data).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvell {

constexpr int16_t kCtcssToneCount = 51;

// The display text of a tone index, the index first clamped to 0..51: "  OFF   " for 0,
// "  67.0Hz" for 1, " 254.1Hz" for 51.
std::string CtcssToneText(int16_t index);

// Fills `list` with the texts of indexes 0..51; returns 51.
int16_t BuildCtcssToneList(std::vector<std::string>& list);

}  // namespace corvell
