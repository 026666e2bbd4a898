#include "shell/LinkCheck.h"

#include <QTime>

#include "platform/serial_device.h"
#include "shell/LocalSecondClock.h"

namespace corvell::shell {

LinkCheck::LinkCheck(SecondSource now)
    : now_(now ? std::move(now) : SecondSource(LocalSecondClock())) {}

int32_t LinkCheck::secondOfDay() {
    const int ms = QTime::currentTime().msecsSinceStartOfDay();
    return (ms + 500) / 1000;
}

bool LinkCheck::check(int32_t power, int32_t error) {
    const int32_t second = now_();
    if (second == lastSecond_ && lastSecond_ != 0) return false;
    lastSecond_ = second;
    const int32_t value = power != 0 ? error : 0;
    if (value == lastError_) return false;
    lastError_ = value;
    return value != 0;
}

std::string LinkCheck::failureReason(int32_t comPort, bool answered) {
    const std::string port = "COM" + std::to_string(comPort);
    std::string text = port + " (" + platform::SerialDevice::devicePath(port) + "): ";
    // On a line without modem lines CTS counts as on while replies come.
    text += answered ? "the receiver stopped answering: the link watch found CTS off"
                     : "the receiver has not answered since it was switched on";
    return text;
}

}  // namespace corvell::shell
