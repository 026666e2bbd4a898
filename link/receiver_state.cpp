#include "link/receiver_state.h"

namespace quillon {

ReceiverState::ReceiverState(const std::string& relayMapping, const std::string& relayMutex)
    : relay_(relayMapping, relayMutex) {
    relay_.SetProducer(1);
}

ReceiverState::~ReceiverState() {
    relay_.SetProducer(0);
}

int32_t ReceiverState::setFrequency(int32_t hz) {
    // Compared as unsigned, so a negative value is refused like one above the range.
    const auto u = static_cast<uint32_t>(hz);
    const bool accepted = u == 0 || (u >= static_cast<uint32_t>(kMinFrequency) &&
                                     u <= static_cast<uint32_t>(kMaxFrequency));
    if (accepted) store(frequency_, hz, Flag::Frequency);
    return hz;
}

int32_t ReceiverState::setPllRefFrequency(int32_t hz) {
    const int32_t normalised = (hz == 6250 || hz == 12500) ? hz : 5000;
    return store(pllRef_, normalised, Flag::Pll);
}

void ReceiverState::setScanStat(int32_t v) {
    scanStat_.set(v);
    scanStatFlag_.exchange(1);  // after the status, as a change flag after its value
    tellListener();
}

void ReceiverState::setScopeBuff(int32_t index, int32_t level) {
    if (static_cast<uint32_t>(index) < static_cast<uint32_t>(kScopePoints))
        scope_[index].set(level);
}

int32_t ReceiverState::scopeBuff(int32_t index) const {
    if (static_cast<uint32_t>(index) >= static_cast<uint32_t>(kScopePoints)) return 0;
    return scope_[index].get();
}

}  // namespace quillon
