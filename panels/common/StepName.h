// The tuning-step name as the drawn panels print it: trimmed, with "kHz" and "MHz" shortened to
// "k" and "M" (20kHz -> 20k, 1MHz -> 1M; 500Hz stays), and empty while the receiver is blank.
// Thread contract: pure function, any thread.
#pragma once

#include <string>

namespace corvell::panels {

inline std::string ShortStepName(const std::string& tsname, bool blank) {
    if (blank) return {};
    const auto first = tsname.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string text = tsname.substr(first, tsname.find_last_not_of(' ') - first + 1);
    if (text.size() >= 3) {
        const std::string tail = text.substr(text.size() - 3);
        if (tail == "kHz" || tail == "MHz") text.resize(text.size() - 2);
    }
    return text;
}

}  // namespace corvell::panels
