// The main window's caption: the product name with the power or link state, or, while the
// window is minimised, the tuned frequency.
// Thread contract: pure function; any thread.
#pragma once

#include <cstdint>
#include <string>

namespace corvell::shell {

struct CaptionInputs {
    bool minimised = false;
    int32_t power = 0;
    int32_t linkStat = 0;
    int32_t error = 0;
    int32_t frequency = 0;
    int32_t busy = 0;
};

std::string captionText(const CaptionInputs& in);

}  // namespace corvell::shell
