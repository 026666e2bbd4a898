#include "tools/rx-emulator/dtmf_sequence.h"

#include <climits>
#include <vector>

namespace rxemu {

std::optional<int> dtmfCode(char key) {
    static constexpr std::string_view kKeys = "0123456789ABCD*#";
    const size_t at = kKeys.find(key);
    if (key == '\0' || at == std::string_view::npos) return std::nullopt;
    return 16 + static_cast<int>(at);
}

bool DtmfSequence::append(std::string_view keys) {
    std::vector<int> codes;
    for (char key : keys) {
        const std::optional<int> code = dtmfCode(key);
        if (!code) return false;
        codes.push_back(*code);
    }
    codes_.insert(codes_.end(), codes.begin(), codes.end());
    return true;
}

std::optional<int64_t> DtmfSequence::nextDueUs() const {
    if (codes_.empty()) return std::nullopt;
    // Nothing reported yet: due at once (the earliest time there is).
    if (!lastUs_) return INT64_MIN;
    return *lastUs_ + periodUs_;
}

std::optional<int> DtmfSequence::takeDue(int64_t nowUs) {
    const std::optional<int64_t> due = nextDueUs();
    if (!due || nowUs < *due) return std::nullopt;
    const int code = codes_.front();
    codes_.pop_front();
    lastUs_ = nowUs;
    return code;
}

}  // namespace rxemu
