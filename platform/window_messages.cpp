#include "platform/window_messages.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace platform {
namespace {

enum class Ticket { Waiting, Taken, Withdrawn };

struct Pending {
    WindowMessage message;
    Ticket state = Ticket::Waiting;
};

struct Window {
    MessageHandler handler;
    OwnerWakeup wakeup;
    std::thread::id owner;
    std::deque<std::shared_ptr<Pending>> queue;
};

// One registry for the whole process; every deliverable reaches it through this library.
struct Registry {
    std::mutex lock;
    std::condition_variable changed;  // a message was taken or a window went away
    std::map<WindowHandle, std::shared_ptr<Window>> windows;
    WindowHandle last = 0;
};

Registry& registry() {
    static auto* instance = new Registry;  // never destroyed: senders may outlive static teardown
    return *instance;
}

}  // namespace

WindowHandle registerWindow(MessageHandler handler, OwnerWakeup wakeup) {
    Registry& r = registry();
    auto window = std::make_shared<Window>();
    window->handler = std::move(handler);
    window->wakeup = std::move(wakeup);
    window->owner = std::this_thread::get_id();
    std::lock_guard guard(r.lock);
    do {
        r.last = r.last == INT32_MAX ? 1 : r.last + 1;
    } while (r.windows.count(r.last) != 0);
    r.windows[r.last] = std::move(window);
    return r.last;
}

void unregisterWindow(WindowHandle handle) {
    Registry& r = registry();
    std::shared_ptr<Window> gone;
    {
        std::lock_guard guard(r.lock);
        const auto it = r.windows.find(handle);
        if (it == r.windows.end()) return;
        gone = std::move(it->second);
        r.windows.erase(it);
        for (auto& pending : gone->queue) pending->state = Ticket::Withdrawn;
        gone->queue.clear();
    }
    r.changed.notify_all();
}

bool isWindow(WindowHandle handle) {
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    return r.windows.count(handle) != 0;
}

int dispatchMessages(WindowHandle handle) {
    Registry& r = registry();
    std::shared_ptr<Window> window;
    std::deque<std::shared_ptr<Pending>> taken;
    {
        std::lock_guard guard(r.lock);
        const auto it = r.windows.find(handle);
        if (it == r.windows.end()) return 0;
        window = it->second;
        taken.swap(window->queue);
        for (auto& pending : taken) pending->state = Ticket::Taken;
    }
    if (!taken.empty()) r.changed.notify_all();
    for (const auto& pending : taken) {
        if (window->handler) window->handler(pending->message);
    }
    return static_cast<int>(taken.size());
}

bool sendMessageTimeout(WindowHandle handle, uint32_t message, intptr_t wParam, intptr_t lParam,
                        uint32_t timeoutMs) {
    Registry& r = registry();
    const WindowMessage msg{handle, message, wParam, lParam};
    std::unique_lock guard(r.lock);
    const auto it = r.windows.find(handle);
    if (it == r.windows.end()) return false;
    std::shared_ptr<Window> window = it->second;
    if (window->owner == std::this_thread::get_id()) {
        // The owner sends to itself: waiting would wait for ourselves, so deliver directly.
        guard.unlock();
        if (window->handler) window->handler(msg);
        return true;
    }
    auto pending = std::make_shared<Pending>();
    pending->message = msg;
    window->queue.push_back(pending);
    if (window->wakeup) window->wakeup();  // under the lock, so it never outlives the window
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    r.changed.wait_until(guard, deadline, [&] { return pending->state != Ticket::Waiting; });
    if (pending->state == Ticket::Taken) return true;
    if (pending->state == Ticket::Waiting) {
        pending->state = Ticket::Withdrawn;
        auto& queue = window->queue;
        for (auto q = queue.begin(); q != queue.end(); ++q) {
            if (*q == pending) {
                queue.erase(q);
                break;
            }
        }
    }
    return false;
}

struct MessageQueueWindow::Signal {
    std::mutex lock;
    std::condition_variable arrived;
    int waiting = 0;
};

MessageQueueWindow::MessageQueueWindow(MessageHandler handler)
    : signal_(std::make_shared<Signal>()) {
    std::weak_ptr<Signal> weak = signal_;
    handle_ = registerWindow(std::move(handler), [weak] {
        if (auto signal = weak.lock()) {
            {
                std::lock_guard guard(signal->lock);
                ++signal->waiting;
            }
            signal->arrived.notify_one();
        }
    });
}

MessageQueueWindow::~MessageQueueWindow() {
    unregisterWindow(handle_);
}

int MessageQueueWindow::pump(uint32_t waitMs) {
    {
        std::unique_lock guard(signal_->lock);
        signal_->arrived.wait_for(guard, std::chrono::milliseconds(waitMs),
                                  [&] { return signal_->waiting > 0; });
        signal_->waiting = 0;
    }
    return dispatchMessages(handle_);
}

}  // namespace platform
