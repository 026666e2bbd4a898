// What a press-and-hold widget needs of the world around it: a millisecond clock with one
// wake-up timer, and the state of the mouse (is the pressing button still down, where is the
// cursor on the screen). The program uses QtHoldEnvironment; tests drive a manual one.
// Thread contract: user-interface thread only.
#pragma once

#include <QPoint>
#include <QTimer>
#include <cstdint>
#include <functional>

namespace corvell::ui {

class HoldEnvironment {
  public:
    virtual ~HoldEnvironment() = default;

    // Milliseconds on a monotonic clock that wraps at 2^32.
    virtual uint32_t nowMs() = 0;
    // Calls `wake` once, `delayMs` from now, from the event loop; replaces any earlier request.
    virtual void wakeAfter(uint32_t delayMs, std::function<void()> wake) = 0;
    virtual void cancelWake() = 0;

    // Whether the mouse button is down: 1 the left button, any other value the right one.
    virtual bool isButtonDown(int button) = 0;
    // The cursor on the screen, in pixels.
    virtual QPoint cursorPos() = 0;
};

// The system's clock (platform tick count), a precise single-shot QTimer, Qt's mouse state.
class QtHoldEnvironment : public HoldEnvironment {
  public:
    QtHoldEnvironment();

    uint32_t nowMs() override;
    void wakeAfter(uint32_t delayMs, std::function<void()> wake) override;
    void cancelWake() override;
    bool isButtonDown(int button) override;
    QPoint cursorPos() override;

  private:
    QTimer timer_;
    std::function<void()> wake_;
};

}  // namespace corvell::ui
