#include "ui/HoldEnvironment.h"

#include <QCursor>
#include <QGuiApplication>

#include "platform/tick_count.h"

namespace corvell::ui {

QtHoldEnvironment::QtHoldEnvironment() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (wake_) {
            auto wake = wake_;  // the call may ask for the next wake-up
            wake();
        }
    });
}

uint32_t QtHoldEnvironment::nowMs() {
    return platform::tickCount();
}

void QtHoldEnvironment::wakeAfter(uint32_t delayMs, std::function<void()> wake) {
    wake_ = std::move(wake);
    timer_.start(static_cast<int>(std::min<uint32_t>(delayMs, 1u << 30)));
}

void QtHoldEnvironment::cancelWake() {
    timer_.stop();
}

bool QtHoldEnvironment::isButtonDown(int button) {
    return QGuiApplication::mouseButtons().testFlag(button == 1 ? Qt::LeftButton : Qt::RightButton);
}

QPoint QtHoldEnvironment::cursorPos() {
    return QCursor::pos();
}

}  // namespace corvell::ui
