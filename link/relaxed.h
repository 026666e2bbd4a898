// A value shared between the library's threads without a lock: every read and write is one
// whole atomic access with no ordering beyond itself. That is enough for a value read on its
// own; a word that tells another thread to go and read other values (a change flag, the mute
// countdown) is a Published one instead (published.h).
// Thread contract: any thread may read or write at any time.
#pragma once

#include <atomic>

namespace quillon {

template <typename T>
class Relaxed {
  public:
    constexpr Relaxed(T value = T{}) : value_(value) {}
    Relaxed(const Relaxed&) = delete;
    Relaxed& operator=(const Relaxed&) = delete;

    T get() const { return value_.load(std::memory_order_relaxed); }
    void set(T value) { value_.store(value, std::memory_order_relaxed); }
    T exchange(T value) { return value_.exchange(value, std::memory_order_relaxed); }
    bool compareExchange(T& expected, T wanted) {
        return value_.compare_exchange_strong(expected, wanted, std::memory_order_relaxed);
    }

  private:
    std::atomic<T> value_;
};

}  // namespace quillon
