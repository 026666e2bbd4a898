#include "link/darc_relay.h"

#include <cstdio>
#include <cstring>
#include <mutex>

namespace quillon {

DarcRelay::DarcRelay(const std::string& mappingName, const std::string& mutexName)
    : mutex_(mutexName) {
    std::lock_guard guard(mutex_);
    if (!memory_.open(mappingName, kTotalSize)) {
        std::fprintf(stderr, "Quillon: data-broadcast relay off: %s\n",
                     memory_.lastError().c_str());
        return;
    }
    if (memory_.created()) std::memset(memory_.data(), 0, kTotalSize);
}

DarcRelay::~DarcRelay() {
    Stop();
    std::lock_guard guard(mutex_);
    memory_.close();
}

uint32_t DarcRelay::word(Word w) const {
    const auto* p = static_cast<const uint8_t*>(memory_.data()) + 4 * w;
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

void DarcRelay::setWord(Word w, uint32_t value) {
    auto* p = static_cast<uint8_t*>(memory_.data()) + 4 * w;
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
    p[2] = static_cast<uint8_t>(value >> 16);
    p[3] = static_cast<uint8_t>(value >> 24);
}

void DarcRelay::resetLocked() {
    if (!IsMapped()) return;
    setWord(TotalSize, kTotalSize);
    for (Word w : {Frequency, WriteIndex, ByteCounter, CounterAtWrap, Fill, DataValid}) {
        setWord(w, 0);
    }
}

void DarcRelay::Reset() {
    std::lock_guard guard(mutex_);
    resetLocked();
}

void DarcRelay::Write(const uint8_t* bytes) {
    {
        std::lock_guard guard(mutex_);
        if (IsMapped()) {
            uint8_t* ring = static_cast<uint8_t*>(memory_.data()) + kHeaderSize;
            uint32_t index = word(WriteIndex);
            uint32_t counter = word(ByteCounter);
            uint32_t fill = word(Fill);
            // The header is shared with another program; never trust it to stay in the ring.
            if (index >= kRingSize) index = 0;
            for (int i = 0; i < kFrameBytes; ++i) {
                ring[index] = bytes[i];
                if (++counter > kCounterLimit) counter = 0;
                if (++index == kRingSize) {
                    index = 0;
                    setWord(CounterAtWrap, counter);
                }
                if (fill < kRingSize) ++fill;
            }
            setWord(WriteIndex, index);
            setWord(ByteCounter, counter);
            setWord(Fill, fill);
            setWord(DataValid, 1);
        }
    }
    idleTicks_.set(0);
}

void DarcRelay::SetFrequency(int32_t hz) {
    std::lock_guard guard(mutex_);
    if (!IsMapped() || word(Frequency) == static_cast<uint32_t>(hz)) return;
    resetLocked();
    setWord(Frequency, static_cast<uint32_t>(hz));
}

void DarcRelay::SetProducer(int32_t present) {
    std::lock_guard guard(mutex_);
    if (IsMapped()) setWord(Producer, static_cast<uint32_t>(present));
}

void DarcRelay::WatchTick() {
    int32_t ticks = idleTicks_.get();
    if (ticks >= kResetTicks) return;
    idleTicks_.set(++ticks);
    if (ticks == kStaleTicks) {
        std::lock_guard guard(mutex_);
        if (IsMapped()) setWord(DataValid, 0);
    }
    if (ticks == kResetTicks) Reset();
}

void DarcRelay::Watch() {
    WatchTick();
    Pause(kTickMs);
}

}  // namespace quillon
