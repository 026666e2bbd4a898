#include "platform/tick_count.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace platform {
namespace {

std::atomic<TickSource> g_source{nullptr};

uint32_t systemTicks() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

}  // namespace

uint32_t tickCount() {
    const TickSource source = g_source.load(std::memory_order_acquire);
    return source ? source() : systemTicks();
}

void setTickSource(TickSource source) {
    g_source.store(source, std::memory_order_release);
}

void sleepMs(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform
