// A hold environment whose clock only moves when the test says so: the wake-up timer runs at
// its exact due time while the test advances the clock, or late when the test stalls it. The
// mouse state (buttons, cursor) is set by the test.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <functional>

#include "ui/HoldEnvironment.h"

namespace corvell::test {

class ManualHoldEnvironment : public ui::HoldEnvironment {
  public:
    uint32_t now = 0;
    bool leftDown = true;
    bool rightDown = false;
    QPoint cursor;

    uint32_t nowMs() override { return now; }
    void wakeAfter(uint32_t delayMs, std::function<void()> wake) override {
        due_ = now + delayMs;
        wake_ = std::move(wake);
        armed_ = true;
    }
    void cancelWake() override { armed_ = false; }
    bool isButtonDown(int button) override { return button == 1 ? leftDown : rightDown; }
    QPoint cursorPos() override { return cursor; }

    bool armed() const { return armed_; }

    // Moves the clock forward by `ms`, running each wake-up at the moment it falls due.
    void advance(uint32_t ms) {
        const uint32_t target = now + ms;
        int guard = 0;
        while (armed_ && static_cast<int32_t>(target - due_) >= 0) {
            ASSERT_LT(++guard, 1'000'000) << "wake-ups never stop";
            if (static_cast<int32_t>(due_ - now) > 0) now = due_;
            wakeNow();
        }
        now = target;
    }

    // The program was busy for `ms`: the clock moves on and no wake-up runs meanwhile.
    void stall(uint32_t ms) { now += ms; }

    // Runs the pending wake-up once, now, however late it is.
    void wakeNow() {
        if (!armed_) return;
        armed_ = false;
        auto wake = wake_;
        wake();
    }

  private:
    uint32_t due_ = 0;
    std::function<void()> wake_;
    bool armed_ = false;
};

}  // namespace corvell::test
