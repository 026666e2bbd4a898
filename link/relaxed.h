// A value shared between the library's threads without a lock: every read and write is one
// whole atomic access, with the memory order its kind of word needs. A Relaxed word has no
// ordering beyond itself, which is enough for a value read on its own; a word that tells
// another thread to go and read other values (a change flag, the mute countdown) is a
// Published one instead (published.h).
// Thread contract: any thread may read or write at any time.
#pragma once

#include <atomic>

namespace quillon {

// The memory orders of one kind of shared word: of a load, a store, a read-modify-write, and a
// compare-exchange that fails.
template <std::memory_order Load, std::memory_order Store, std::memory_order Change,
          std::memory_order Failure>
struct WordOrder {
    static constexpr std::memory_order load = Load;
    static constexpr std::memory_order store = Store;
    static constexpr std::memory_order change = Change;
    static constexpr std::memory_order failure = Failure;
};

template <typename T, typename Order>
class SharedWord {
  public:
    constexpr SharedWord(T value = T{}) : value_(value) {}
    SharedWord(const SharedWord&) = delete;
    SharedWord& operator=(const SharedWord&) = delete;

    T get() const { return value_.load(Order::load); }
    void set(T value) { value_.store(value, Order::store); }
    T exchange(T value) { return value_.exchange(value, Order::change); }
    bool compareExchange(T& expected, T wanted) {
        return value_.compare_exchange_strong(expected, wanted, Order::change, Order::failure);
    }

  private:
    std::atomic<T> value_;
};

using RelaxedOrder = WordOrder<std::memory_order_relaxed, std::memory_order_relaxed,
                               std::memory_order_relaxed, std::memory_order_relaxed>;

template <typename T>
using Relaxed = SharedWord<T, RelaxedOrder>;

}  // namespace quillon
