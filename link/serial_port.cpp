#include "link/serial_port.h"

#include <cstdio>
#include <cstring>

#include "platform/message_box.h"
#include "platform/tick_count.h"

namespace quillon {
namespace {

constexpr size_t kMaxNameLength = 64;

}  // namespace

SerialPort::SerialPort() {
    unsent_.reserve(128);  // a cut line's rest and the next line, without allocating
}

SerialPort::~SerialPort() {
    Close();
    Stop();
}

void SerialPort::Open(const char* name, int32_t speed) {
    if (IsOpen()) return;
    name_.assign(name ? name : "", 0, kMaxNameLength);
    speed_.set(speed);
    lines_.Opened(false, false, false);
    if (!device_.open(name_, speed)) {
        OnError(" COM Error ", device_.lastError());
        return;
    }
    const platform::ModemLines atOpen = device_.linesAtOpen();
    lines_.Opened(device_.canReportLines(), atOpen.cts, atOpen.dsr,
                  LineState::WatchPeriodFromEnvironment());
    Start();
}

void SerialPort::SetSpeed(int32_t speed) {
    if (!IsOpen()) return;
    platform::sleepMs(200);
    speed_.set(speed);
    if (!device_.drain()) {
        Close();
        return;
    }
    if (!device_.setSpeed(speed)) {
        OnError("SetCommState", device_.lastError());
        Close();
    }
}

void SerialPort::Close() {
    if (!IsOpen()) return;
    Stop();  // the reader is woken and joined before its device goes away
    device_.close();
    unsent_.clear();
}

int32_t SerialPort::Write(const void* bytes, int32_t count) {
    if (!IsOpen() || count < 0) return 0;
    const long written = device_.write(bytes, static_cast<size_t>(count));
    return written == count ? 1 : 0;
}

SerialPort::LineResult SerialPort::WriteUnsent() {
    if (!IsOpen()) return LineResult::Failed;
    const long written = device_.write(unsent_.data(), unsent_.size());
    if (written < 0) return LineResult::Failed;
    unsent_.erase(0, static_cast<size_t>(written));
    return unsent_.empty() ? LineResult::Sent : LineResult::Held;
}

SerialPort::LineResult SerialPort::SendLine(const char* text) {
    // Sending a line again from its start after part of it went out would give the receiver
    // one garbled line, and a cut line ended early could read as another command: the rest
    // goes out instead, however late.
    const size_t lineLength = std::strlen(text);
    unsent_.append(text, lineLength);
    LineResult result = WriteUnsent();
    if (result != LineResult::Sent) {
        result = WriteUnsent();
        platform::sleepMs(20);
        if (result != LineResult::Sent) {
            result = WriteUnsent();
            platform::sleepMs(40);
        }
    }
    // A line none of which went out is not kept: its sender decides whether it goes again.
    if (result != LineResult::Sent && unsent_.size() >= lineLength) {
        unsent_.resize(unsent_.size() - lineLength);
    }
    return result;
}

void SerialPort::Wake() {
    device_.wake();
    LinkThread::Wake();
}

void SerialPort::Turn() {
    const platform::SerialEvent event = device_.waitEvent();
    if (event.woken) return;  // a close: the running flag is already clear
    if (event.failed) {
        Pause(10);  // a failing wait is retried, but never in a tight loop
        return;
    }
    if (event.dsrChanged) lines_.DsrChanged(event.lines.dsr);
    if (event.ctsChanged) lines_.CtsChanged(event.lines.cts);
    if (event.data) {
        int queued = device_.queuedInput();
        if (queued > kReadChunk) queued = kReadChunk;
        if (queued <= 0) return;
        uint8_t buffer[kReadChunk];
        const long got = device_.read(buffer, static_cast<size_t>(queued));
        if (got > 0) OnData(buffer, static_cast<int32_t>(got));
    }
    // A hang-up needs nothing here: the device then waits only for the close.
}

void SerialPort::OnData(const uint8_t*, int32_t) {}

void SerialPort::OnError(const char* context, const std::string& reason) {
    std::string what = context ? context : "";
    while (!what.empty() && what.front() == ' ') what.erase(what.begin());
    while (!what.empty() && what.back() == ' ') what.pop_back();
    platform::logLine("Quillon", name_ + " " + what + ": " + reason);
    platform::tellUser(" COM Port Error    ", platform::MessageIcon::Warning);
}

}  // namespace quillon
