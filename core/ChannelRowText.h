// The texts a frequency range row and a memory channel share in files: megahertz as the shortest
// decimal ("145.0125", ".01", "1300"), read back leniently, and the eight-field channel-row text
// of the automatic-mode rows and the scan program channels.
// Thread contract: stateless functions; any thread.
#pragma once

#include <cstdint>
#include <string>

namespace corvell {

class clsMchDATA;

// Hz as megahertz in the shortest decimal form: no trailing zeros, no point for whole megahertz,
// no "0" before the point below 1 MHz; a minus sign for negative values.
std::string MHzText(int32_t hz);

// A megahertz field read back: when 0 < v <= 1300 the value in Hz, rounded to the nearest
// integer (halves to even); any other value, or no number at all, gives 0.
int32_t ReadMHzField(const std::string& text);

// The eight comma-separated fields of a range row: name, remark, low MHz, high MHz, mode name,
// filter name, "OFF"/"ON", step name.
std::string ChannelRowText(const clsMchDATA& row);

// Fills the row from its eight fields and returns true; a text of any other field count changes
// nothing and returns false, so the caller blanks the row its own way. SEL, SKIP and the tone
// are not in the text and keep their values.
bool ReadChannelRowText(const std::string& text, clsMchDATA& row);

}  // namespace corvell
