#include "tools/rx-emulator/pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace rxemu {
namespace {

bool speedConstant(int32_t baud, speed_t& out) {
    switch (baud) {
        case 9600:
            out = B9600;
            return true;
        case 19200:
            out = B19200;
            return true;
        case 38400:
            out = B38400;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool PseudoTerminal::open() {
    if (isOpen()) return true;
    const int fd = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastError_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    char name[128];
    if (::grantpt(fd) != 0 || ::unlockpt(fd) != 0 || ::ptsname_r(fd, name, sizeof name) != 0) {
        lastError_ = std::string("cannot prepare the pseudo-terminal: ") + std::strerror(errno);
        ::close(fd);
        return false;
    }
    // Raw from the start, so nothing is echoed or translated before the far end sets it up.
    termios settings{};
    if (::tcgetattr(fd, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B9600);
        ::cfsetospeed(&settings, B9600);
        ::tcsetattr(fd, TCSANOW, &settings);
    }
    fd_ = fd;
    slavePath_ = name;
    lastError_.clear();
    return true;
}

void PseudoTerminal::close() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}

bool PseudoTerminal::setSpeed(int32_t baud) {
    speed_t speed;
    termios settings{};
    if (fd_ < 0 || !speedConstant(baud, speed) || ::tcgetattr(fd_, &settings) != 0) return false;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    return ::tcsetattr(fd_, TCSANOW, &settings) == 0;
}

int32_t PseudoTerminal::speed() const {
    termios settings{};
    if (fd_ < 0 || ::tcgetattr(fd_, &settings) != 0) return 0;
    switch (::cfgetospeed(&settings)) {
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        default:
            return 0;
    }
}

long PseudoTerminal::read(void* buffer, size_t max) {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, max);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return -1;  // EIO: nobody holds the slave side
    }
}

size_t PseudoTerminal::write(const void* bytes, size_t count, int waitMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    const auto* data = static_cast<const uint8_t*>(bytes);
    size_t done = 0;
    while (done < count && fd_ >= 0) {
        const ssize_t n = ::write(fd_, data + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) break;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0 || !(p.revents & POLLOUT)) break;
    }
    return done;
}

}  // namespace rxemu
