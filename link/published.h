// A word that publishes what its writer stored before it: a thread that loads the word and sees
// a value written to it also sees every write the writer made before that store (release on
// every store, acquire on every load, both on a read-modify-write). The change flags and the
// mute countdown use it, so a sender that sees a raised flag, or a running mute, reads the value
// that came with it even on a processor that reorders plain stores. A read-modify-write always
// reads the latest value and continues the release sequence of the stores before it, so a later
// acquire sees the values of all of their writers.
// Thread contract: any thread may read or write at any time.
#pragma once

#include <atomic>

#include "link/relaxed.h"

namespace quillon {

using PublishOrder = WordOrder<std::memory_order_acquire, std::memory_order_release,
                               std::memory_order_acq_rel, std::memory_order_acquire>;

template <typename T>
using Published = SharedWord<T, PublishOrder>;

}  // namespace quillon
