// Waiting in end-to-end tests for something another thread or process does: polls a condition
// every 5 ms until it holds or the time is up.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace corvell::test {

inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace corvell::test
