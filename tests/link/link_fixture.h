// Helpers for the link tests: names of the relay mapping and the mutexes that no other test
// process shares, a bounded wait for a condition, a link thread that counts its turns, and the
// state of the shared relay header as another program sees it.
// Thread contract: used from the test's main thread.
#pragma once

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "link/darc_relay.h"
#include "platform/named_mutex.h"
#include "platform/shared_memory.h"

namespace link_test {

struct TestNames {
    TestNames() {
        static int serial = 0;
        const std::string id = std::to_string(::getpid()) + "_" + std::to_string(++serial);
        relayMapping = "corvell_test_relay_" + id;
        relayMutex = "corvell_test_relay_mt_" + id;
        commandMutex = "corvell_test_command_mt_" + id;
    }
    ~TestNames() {
        platform::SharedMemory::remove(relayMapping);
        ::unlink(platform::NamedMutex::lockFilePath(relayMutex).c_str());
        ::unlink(platform::NamedMutex::lockFilePath(commandMutex).c_str());
    }
    std::string relayMapping;
    std::string relayMutex;
    std::string commandMutex;
};

// Polls `condition` until it holds or `timeoutMs` passed; the result of the last poll.
template <typename Condition>
bool waitFor(Condition condition, int timeoutMs = 3000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// A link thread (the sender, the watchdog) that counts its turns.
template <typename Thread>
class TurnCounting : public Thread {
  public:
    using Thread::Thread;
    ~TurnCounting() override { this->Stop(); }
    std::atomic<int> turns{0};

  protected:
    void Turn() override {
        turns.fetch_add(1);
        Thread::Turn();
    }
};

// The relay's shared area opened by name, as the decoder program opens it.
class RelayView {
  public:
    explicit RelayView(const TestNames& names) : mutex_(names.relayMutex) {
        memory_.open(names.relayMapping, quillon::DarcRelay::kTotalSize);
    }
    bool ok() const { return memory_.isOpen(); }
    uint32_t word(quillon::DarcRelay::Word w) {
        std::lock_guard guard(mutex_);
        const auto* p = bytes() + 4 * w;
        return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
    }
    void setWord(quillon::DarcRelay::Word w, uint32_t v) {
        std::lock_guard guard(mutex_);
        auto* p = bytes() + 4 * w;
        for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
    }
    uint8_t ring(uint32_t index) {
        std::lock_guard guard(mutex_);
        return bytes()[quillon::DarcRelay::kHeaderSize + index];
    }

    std::vector<uint8_t> wholeRing() {
        std::lock_guard guard(mutex_);
        const uint8_t* ring = bytes() + quillon::DarcRelay::kHeaderSize;
        return {ring, ring + quillon::DarcRelay::kRingSize};
    }

  private:
    uint8_t* bytes() { return static_cast<uint8_t*>(memory_.data()); }
    platform::NamedMutex mutex_;
    platform::SharedMemory memory_;
};

}  // namespace link_test
