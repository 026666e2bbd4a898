// A word that publishes what its writer stored before it: a thread that loads the word and sees
// a value written to it also sees every write the writer made before that store (release on
// every store, acquire on every load, both on a read-modify-write). The change flags and the
// mute countdown use it, so a sender that sees a raised flag, or a running mute, reads the value
// that came with it even on a processor that reorders plain stores.
// Thread contract: any thread may read or write at any time.
#pragma once

#include <atomic>

namespace quillon {

template <typename T>
class Published {
  public:
    constexpr Published(T value = T{}) : value_(value) {}
    Published(const Published&) = delete;
    Published& operator=(const Published&) = delete;

    T get() const { return value_.load(std::memory_order_acquire); }
    void set(T value) { value_.store(value, std::memory_order_release); }
    // A read-modify-write: it always reads the latest value, and it continues the release
    // sequence of the stores before it, so a later acquire sees all of their writers' values.
    T exchange(T value) { return value_.exchange(value, std::memory_order_acq_rel); }
    bool compareExchange(T& expected, T wanted) {
        return value_.compare_exchange_strong(expected, wanted, std::memory_order_acq_rel,
                                              std::memory_order_acquire);
    }

  private:
    std::atomic<T> value_;
};

}  // namespace quillon
