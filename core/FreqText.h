// The text of a frequency in MHz as every display shows it: 11 characters, the whole MHz
// right-aligned in 4, ".", and the rest as 6 digits ("␣145.000000", "1300.000000").
// Thread contract: any thread.
#pragma once

#include <cstdint>
#include <string>

namespace corvell {

// A negative frequency (which no display is given) shows its magnitude after a "-", the
// text growing beyond 11 characters only below -999.999999 MHz.
std::string FormatFreqMHz(int32_t hz);

}  // namespace corvell
