#include "platform/serial_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace platform {
namespace {

bool speedConstant(int32_t baud, speed_t& out) {
    switch (baud) {
        case 1200:
            out = B1200;
            return true;
        case 2400:
            out = B2400;
            return true;
        case 4800:
            out = B4800;
            return true;
        case 9600:
            out = B9600;
            return true;
        case 19200:
            out = B19200;
            return true;
        case 38400:
            out = B38400;
            return true;
        case 57600:
            out = B57600;
            return true;
        case 115200:
            out = B115200;
            return true;
        default:
            return false;
    }
}

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

void setLine(int fd, int bit, bool on) {
    if (fd < 0) return;
    // Pseudo-terminals have no modem lines; the request then fails harmlessly.
    ::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &bit);
}

}  // namespace

SerialDevice::SerialDevice() {
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

SerialDevice::~SerialDevice() {
    close();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

std::string SerialDevice::devicePath(std::string_view portName) {
    if (portName.size() < 4 || portName.substr(0, 3) != "COM") return {};
    std::string_view digits = portName.substr(3);
    if (!digits.empty() && digits.back() == ':') digits.remove_suffix(1);
    if (digits.empty() || digits.size() > 3) return {};
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return {};
        number = number * 10 + (c - '0');
    }
    if (number == 0) return {};
    const std::string variable = "QUILLON_COM" + std::to_string(number);
    if (const char* path = std::getenv(variable.c_str()); path && *path) return path;
    return "/dev/ttyS" + std::to_string(number - 1);
}

uint32_t SerialDevice::writeTimeoutMs(int32_t baud, size_t count) {
    const uint32_t perByte = baud > 0 ? static_cast<uint32_t>(100000 / baud) : 0;
    return 200 + perByte * static_cast<uint32_t>(count);
}

void SerialDevice::fail(std::string what, int error) {
    lastError_ = std::move(what);
    if (error != 0) lastError_ += std::string(": ") + std::strerror(error);
}

bool SerialDevice::configure(int fd, int32_t baud) {
    speed_t speed;
    if (!speedConstant(baud, speed)) {
        fail("unsupported speed " + std::to_string(baud), 0);
        return false;
    }
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        fail("cannot read the line settings", errno);
        return false;
    }
    ::cfmakeraw(&settings);  // 8 data bits, no parity, no echo, no character translation
    settings.c_cflag &= ~(CSTOPB | PARENB | CSIZE);
    settings.c_cflag |= CS8 | CREAD | CLOCAL | CRTSCTS;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
        fail("cannot set the line settings", errno);
        return false;
    }
    return true;
}

bool SerialDevice::open(std::string_view portName, int32_t baud) {
    if (isOpen()) return true;
    const std::string path = devicePath(portName);
    if (path.empty()) {
        fail(std::string(portName) + " names no serial device", 0);
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail("cannot open " + path, errno);
        return false;
    }
    if (!::isatty(fd)) {
        fail(path + " is not a serial device", 0);
        ::close(fd);
        return false;
    }
    // Nobody else may use the port while we hold it: TIOCEXCL keeps ordinary users out, the
    // advisory lock also keeps out another program of ours running as root.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        fail(path + " is in use", errno);
        ::close(fd);
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    if (!configure(fd, baud)) {
        lastError_ = path + ": " + lastError_;
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
    }
    ::tcflush(fd, TCIOFLUSH);
    setLine(fd, TIOCM_DTR, true);
    setLine(fd, TIOCM_RTS, true);

    ModemLines lines;
    int status = 0;
    canReportLines_ = ::ioctl(fd, TIOCMGET, &status) == 0;
    if (canReportLines_) {
        lines.cts = (status & TIOCM_CTS) != 0;
        lines.dsr = (status & TIOCM_DSR) != 0;
    }
    reported_ = lines;  // a line already on at open is not a change
    linesAtOpen_ = lines;
    hungUp_ = false;
    uint64_t stale;
    while (::read(wakeFd_, &stale, sizeof stale) > 0) {
    }
    baud_.store(baud, std::memory_order_relaxed);
    lastError_.clear();
    fd_.store(fd, std::memory_order_release);
    return true;
}

void SerialDevice::close() {
    const int fd = fd_.exchange(-1, std::memory_order_acq_rel);
    if (fd < 0) return;
    setLine(fd, TIOCM_RTS, false);
    setLine(fd, TIOCM_DTR, false);
    // Exclusive use outlives the descriptor while anyone else keeps the line open (the far end
    // of a pseudo-terminal always does), and would refuse our own next open.
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
}

bool SerialDevice::drainOutput(uint32_t timeoutMs) {
    const int fd = fd_.load(std::memory_order_acquire);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int queued = 0;
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0) {
            // The device cannot tell its queue; fall back to the blocking drain.
            if (::tcdrain(fd) == 0) return true;
            fail("cannot drain the output", errno);
            return false;
        }
        if (queued <= 0) return true;
        if (Clock::now() >= deadline) {
            fail("output did not drain", 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool SerialDevice::drain() {
    const int fd = fd_.load(std::memory_order_acquire);
    if (fd < 0) {
        fail("device is closed", 0);
        return false;
    }
    int queued = 0;
    ::ioctl(fd, TIOCOUTQ, &queued);
    return drainOutput(writeTimeoutMs(speed(), queued > 0 ? static_cast<size_t>(queued) : 0));
}

bool SerialDevice::setSpeed(int32_t baud) {
    if (!drain()) return false;
    const int fd = fd_.load(std::memory_order_acquire);
    if (!configure(fd, baud)) return false;
    setLine(fd, TIOCM_DTR, true);
    setLine(fd, TIOCM_RTS, true);
    baud_.store(baud, std::memory_order_relaxed);
    return true;
}

long SerialDevice::write(const void* bytes, size_t count) {
    const int fd = fd_.load(std::memory_order_acquire);
    if (fd < 0) return -1;
    const auto deadline = Clock::now() + std::chrono::milliseconds(writeTimeoutMs(speed(), count));
    const auto* data = static_cast<const unsigned char*>(bytes);
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, data + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            fail("write failed", errno);
            return -1;
        }
        const int left = msLeft(deadline);
        if (left == 0) break;
        pollfd p{fd, POLLOUT, 0};
        const int r = ::poll(&p, 1, left);
        if (r < 0 && errno != EINTR) {
            fail("wait for write failed", errno);
            return -1;
        }
        if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(p.revents & POLLOUT)) {
            fail("device hung up", 0);
            return -1;
        }
    }
    return static_cast<long>(done);
}

long SerialDevice::read(void* buffer, size_t max) {
    const int fd = fd_.load(std::memory_order_acquire);
    if (fd < 0) return -1;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, max);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        hungUp_ = true;  // a device that fails its reads is gone; waits stop watching it
        return -1;
    }
}

int SerialDevice::queuedInput() const {
    const int fd = fd_.load(std::memory_order_acquire);
    int queued = 0;
    if (fd < 0 || ::ioctl(fd, FIONREAD, &queued) != 0) return 0;
    return queued;
}

bool SerialDevice::purge(bool input, bool output) {
    const int fd = fd_.load(std::memory_order_acquire);
    if (fd < 0 || (!input && !output)) return false;
    const int which = input && output ? TCIOFLUSH : (input ? TCIFLUSH : TCOFLUSH);
    return ::tcflush(fd, which) == 0;
}

void SerialDevice::setDtr(bool on) {
    setLine(fd_.load(std::memory_order_acquire), TIOCM_DTR, on);
}

void SerialDevice::setRts(bool on) {
    setLine(fd_.load(std::memory_order_acquire), TIOCM_RTS, on);
}

bool SerialDevice::modemLines(ModemLines& lines) const {
    const int fd = fd_.load(std::memory_order_acquire);
    int status = 0;
    if (fd < 0 || ::ioctl(fd, TIOCMGET, &status) != 0) return false;
    lines.cts = (status & TIOCM_CTS) != 0;
    lines.dsr = (status & TIOCM_DSR) != 0;
    return true;
}

void SerialDevice::wake() {
    const uint64_t one = 1;
    if (wakeFd_ < 0) return;
    [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

SerialEvent SerialDevice::waitEvent() {
    SerialEvent event;
    const int fd = fd_.load(std::memory_order_acquire);
    for (;;) {
        pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {fd, POLLIN, 0}};
        const bool watchDevice = fd >= 0 && !hungUp_;
        // Modem lines cannot announce themselves here, so they are sampled; a device without
        // them (or a hung-up one) is waited on without any time-out at all.
        const int timeout = watchDevice && canReportLines_ ? kLineSampleMs : -1;
        const int r = ::poll(fds, watchDevice ? 2 : 1, timeout);
        if (r < 0) {
            if (errno == EINTR) continue;
            event.failed = true;
            return event;
        }
        if (fds[0].revents & POLLIN) {
            uint64_t count;
            [[maybe_unused]] auto n = ::read(wakeFd_, &count, sizeof count);
            event.woken = true;
            return event;
        }
        if (watchDevice && canReportLines_) {
            ModemLines now = reported_;
            if (modemLines(now)) {
                event.ctsChanged = now.cts != reported_.cts;
                event.dsrChanged = now.dsr != reported_.dsr;
                reported_ = now;
            }
            event.lines = reported_;
        }
        if (watchDevice && fds[1].revents != 0) {
            if (queuedInput() > 0) {
                event.data = true;
            } else if (fds[1].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) {
                // Readable with nothing queued is the end of the line: the other side is gone.
                hungUp_ = true;
                event.hungUp = true;
            }
        }
        if (event.data || event.hungUp || event.ctsChanged || event.dsrChanged) return event;
    }
}

}  // namespace platform
