// A value shared between the library's threads without a lock: every read and write is one
// whole atomic access with no ordering beyond itself, which is all the link's fields need.
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
