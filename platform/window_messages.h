// Window messages between threads: a process-wide registry of integer window handles. A window
// is registered by the thread that owns it; sendMessageTimeout() from any thread hands a
// message to that owner and waits a bounded time for the owner to take it.
// Thread contract: every function may be called from any thread; a window's handler runs on
// the thread that calls dispatchMessages() for it (its owner), and unregisterWindow() is
// called by that owner.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

using WindowHandle = int32_t;  // 0 is never a window

struct WindowMessage {
    WindowHandle window = 0;
    uint32_t message = 0;
    intptr_t wParam = 0;
    intptr_t lParam = 0;
};

// Runs on the owner's thread for every message it takes.
using MessageHandler = std::function<void(const WindowMessage&)>;
// Called on the sender's thread when a message waits for the owner: it must only arrange for
// the owner to call dispatchMessages() soon (post an event, signal a condition) and return.
// It must not call into this registry.
using OwnerWakeup = std::function<void()>;

// Registers a window owned by the calling thread; returns its new handle (never 0).
WindowHandle registerWindow(MessageHandler handler, OwnerWakeup wakeup);
// Removes the window; sends waiting for it fail at once, later sends fail at once.
void unregisterWindow(WindowHandle window);
bool isWindow(WindowHandle window);

// Owner side: takes every waiting message of the window and runs the handler on each, in the
// order sent. Returns the number taken.
int dispatchMessages(WindowHandle window);

// Hands the message to the window's owner and waits at most `timeoutMs` for it to be taken.
// False when the window is not registered (or goes away) or the time runs out; a message that
// timed out is withdrawn and never delivered. Called on the owner's own thread, the handler
// runs at once.
bool sendMessageTimeout(WindowHandle window, uint32_t message, intptr_t wParam, intptr_t lParam,
                        uint32_t timeoutMs);

// A window owned by a plain thread that pumps its messages itself (tests, tools without Qt).
class MessageQueueWindow {
  public:
    // Registers on the calling thread, which becomes the owner.
    explicit MessageQueueWindow(MessageHandler handler);
    ~MessageQueueWindow();
    MessageQueueWindow(const MessageQueueWindow&) = delete;
    MessageQueueWindow& operator=(const MessageQueueWindow&) = delete;

    WindowHandle handle() const { return handle_; }
    // Owner thread: waits up to `waitMs` for a message to arrive, then dispatches every waiting
    // one. Returns the number dispatched.
    int pump(uint32_t waitMs);

    struct Signal;

  private:
    WindowHandle handle_ = 0;
    std::shared_ptr<Signal> signal_;
};

}  // namespace platform
