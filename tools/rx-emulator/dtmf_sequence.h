// DTMF keys the receiver reports one by one, at the pace of a person keying them: the first
// at once, each further one a period after the one before. Times are given by the caller, so
// the pace can be followed on any clock.
// Thread contract: not synchronised; the emulator guards its sequence with its own lock.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>

namespace rxemu {

// The code the receiver reports for a DTMF key: 16..31 for "0123456789ABCD*#" in that order;
// nothing for any other character.
std::optional<int> dtmfCode(char key);

class DtmfSequence {
  public:
    explicit DtmfSequence(int64_t periodUs) : periodUs_(periodUs) {}

    // Queues `keys` behind those still waiting. False, and nothing queued, when any of them is
    // no DTMF key.
    bool append(std::string_view keys);
    // The next code, when it is due at `nowUs`; it then counts as reported at `nowUs`.
    std::optional<int> takeDue(int64_t nowUs);
    // When the next code falls due; nothing while none is waiting.
    std::optional<int64_t> nextDueUs() const;
    size_t waiting() const { return codes_.size(); }

  private:
    const int64_t periodUs_;
    std::deque<int> codes_;
    std::optional<int64_t> lastUs_;  // when the last code was reported
};

}  // namespace rxemu
