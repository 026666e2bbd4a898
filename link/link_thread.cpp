#include "link/link_thread.h"

#include <chrono>

namespace quillon {

LinkThread::~LinkThread() {
    Stop();
}

void LinkThread::Run() {
    while (IsRunning()) Turn();
}

void LinkThread::Turn() {}

void LinkThread::Start() {
    std::lock_guard guard(threadLock_);
    if (thread_.joinable()) return;
    running_.store(1, std::memory_order_relaxed);
    thread_ = std::thread([this] { Run(); });
}

void LinkThread::Stop() {
    std::lock_guard guard(threadLock_);
    if (!thread_.joinable()) return;
    {
        std::lock_guard pause(pauseLock_);
        running_.store(0, std::memory_order_relaxed);
    }
    if (thread_.get_id() == std::this_thread::get_id()) return;  // it ends after this turn
    Wake();
    thread_.join();
    thread_ = std::thread();
}

bool LinkThread::HasThread() const {
    std::lock_guard guard(threadLock_);
    return thread_.joinable();
}

void LinkThread::Wake() {
    std::lock_guard pause(pauseLock_);
    pauseEnd_.notify_all();
}

bool LinkThread::Pause(uint32_t ms) {
    std::unique_lock pause(pauseLock_);
    pauseEnd_.wait_for(pause, std::chrono::milliseconds(ms), [this] { return !IsRunning(); });
    return IsRunning();
}

void LinkThread::Nudge() {
    std::lock_guard pause(pauseLock_);
    nudged_ = true;
    pauseEnd_.notify_all();
}

bool LinkThread::WaitForNudge() {
    std::unique_lock pause(pauseLock_);
    pauseEnd_.wait(pause, [this] { return nudged_ || !IsRunning(); });
    nudged_ = false;
    return IsRunning();
}

}  // namespace quillon
