#include "link/darc_relay.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

#include "platform/message_box.h"

namespace quillon {
namespace {

thread_local DarcRelay::Batch* t_currentBatch = nullptr;

uint32_t getLe32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

void putLe32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

DarcRelay::DarcRelay(const std::string& mappingName, const std::string& mutexName)
    : mutex_(mutexName) {
    std::lock_guard guard(mutex_);
    // A new object comes zero-filled from its sizing.
    if (!memory_.openUnmapped(mappingName, kTotalSize)) {
        platform::logLine("Quillon", "data-broadcast relay off: " + memory_.lastError());
    }
}

DarcRelay::~DarcRelay() {
    Stop();
    std::lock_guard guard(mutex_);
    memory_.close();
}

bool DarcRelay::usable() {
    if (!IsMapped()) return false;
    const size_t size = memory_.currentSize();
    if (size >= kTotalSize) {
        shrunkReported_.store(false, std::memory_order_relaxed);
        return true;
    }
    if (!shrunkReported_.exchange(true, std::memory_order_relaxed)) {
        platform::logLine("Quillon", "data-broadcast buffer too small (" + std::to_string(size) +
                                         " of " + std::to_string(kTotalSize) +
                                         " bytes); nothing is relayed until it has its size again");
    }
    return false;
}

bool DarcRelay::readWord(Word w, uint32_t& value) {
    uint8_t bytes[4];
    if (!memory_.readAt(4 * w, bytes, sizeof bytes)) return false;
    value = getLe32(bytes);
    return true;
}

void DarcRelay::setWord(Word w, uint32_t value) {
    uint8_t bytes[4];
    putLe32(bytes, value);
    memory_.writeAt(4 * w, bytes, sizeof bytes);
}

void DarcRelay::resetLocked() {
    if (!usable()) return;
    uint8_t words[4 * (DataValid + 1)] = {};
    putLe32(words, kTotalSize);  // then Frequency .. DataValid all 0; the producer stays
    memory_.writeAt(0, words, sizeof words);
}

void DarcRelay::Reset() {
    std::lock_guard guard(mutex_);
    resetLocked();
}

void DarcRelay::Write(const uint8_t* bytes) {
    Batch batch(*this);  // joins a batch of this relay that the thread already has
    batch.Write(bytes);
}

void DarcRelay::SetFrequency(int32_t hz) {
    std::lock_guard guard(mutex_);
    uint32_t current = 0;
    if (!usable() || !readWord(Frequency, current) || current == static_cast<uint32_t>(hz)) {
        return;
    }
    resetLocked();
    setWord(Frequency, static_cast<uint32_t>(hz));
}

void DarcRelay::SetProducer(int32_t present) {
    std::lock_guard guard(mutex_);
    if (usable()) setWord(Producer, static_cast<uint32_t>(present));
}

void DarcRelay::WatchTick() {
    int32_t ticks = idleTicks_.get();
    if (ticks >= kResetTicks) return;
    idleTicks_.set(++ticks);
    if (ticks == kStaleTicks) {
        std::lock_guard guard(mutex_);
        if (usable()) setWord(DataValid, 0);
    }
    if (ticks == kResetTicks) Reset();
}

void DarcRelay::Watch() {
    if (idleTicks_.get() >= kResetTicks) {
        if (!WaitForNudge() || !Pause(kTickMs)) return;
    }
    WatchTick();
    Pause(kTickMs);
}

DarcRelay::Batch::Batch(DarcRelay& relay) : relay_(relay), outer_(t_currentBatch), holder_(this) {
    for (Batch* b = outer_; b; b = b->outer_) {
        if (&b->relay_ == &relay) {
            holder_ = b->holder_;
            break;
        }
    }
    t_currentBatch = this;
}

DarcRelay::Batch::~Batch() {
    t_currentBatch = outer_;
    if (holder_ != this || !held_) return;
    flushRing();
    uint8_t words[4 * (DataValid - WriteIndex + 1)];
    putLe32(words + 4 * (WriteIndex - WriteIndex), index_);
    putLe32(words + 4 * (ByteCounter - WriteIndex), counter_);
    putLe32(words + 4 * (CounterAtWrap - WriteIndex), counterAtWrap_);
    putLe32(words + 4 * (Fill - WriteIndex), fill_);
    putLe32(words + 4 * (DataValid - WriteIndex), 1);
    relay_.memory_.writeAt(4 * WriteIndex, words, sizeof words);
    relay_.mutex_.unlock();
}

bool DarcRelay::Batch::acquire() {
    if (held_) return true;
    const bool got = waited_ ? relay_.mutex_.try_lock() : relay_.mutex_.try_lock_for(kLockWait);
    if (!got) {
        waited_ = true;
        return false;
    }
    uint8_t header[kHeaderSize];
    if (!relay_.usable() || !relay_.memory_.readAt(0, header, sizeof header)) {
        relay_.mutex_.unlock();
        return false;
    }
    index_ = getLe32(header + 4 * WriteIndex);
    counter_ = getLe32(header + 4 * ByteCounter);
    counterAtWrap_ = getLe32(header + 4 * CounterAtWrap);
    fill_ = getLe32(header + 4 * Fill);
    // The header is shared with another program; never trust it to stay in the ring.
    if (index_ >= kRingSize) index_ = 0;
    held_ = true;
    return true;
}

void DarcRelay::Batch::Write(const uint8_t* bytes) {
    if (holder_ != this) {
        holder_->Write(bytes);
        return;
    }
    // A watchdog resting at the held count is woken to count from this write.
    if (relay_.idleTicks_.exchange(0) >= kResetTicks) relay_.Nudge();
    if (!relay_.IsMapped() || !acquire()) return;
    if (pendingSize_ + kFrameBytes > kPendingBytes) flushRing();
    if (pendingSize_ == 0) pendingStart_ = index_;
    for (int i = 0; i < kFrameBytes; ++i) {
        pending_[pendingSize_++] = bytes[i];
        if (++counter_ > kCounterLimit) counter_ = 0;
        if (++index_ == kRingSize) {
            index_ = 0;
            counterAtWrap_ = counter_;
        }
        if (fill_ < kRingSize) ++fill_;
    }
}

void DarcRelay::Batch::flushRing() {
    // The pending bytes are fewer than the ring holds, so their wrapped part ends before
    // pendingStart_.
    const uint32_t first = std::min(pendingSize_, kRingSize - pendingStart_);
    relay_.memory_.writeAt(kHeaderSize + pendingStart_, pending_, first);
    if (first < pendingSize_) {
        relay_.memory_.writeAt(kHeaderSize, pending_ + first, pendingSize_ - first);
    }
    pendingSize_ = 0;
    pendingStart_ = index_;
}

}  // namespace quillon
