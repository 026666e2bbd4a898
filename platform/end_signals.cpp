#include "platform/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

// The handler's only state: where it writes. A plain int, read whole.
volatile sig_atomic_t g_writeFd = -1;

extern "C" void onEndSignal(int number) {
    const int saved = errno;  // the interrupted code may be about to read errno
    const unsigned char byte = static_cast<unsigned char>(number);
    if (g_writeFd >= 0) {
        // A full pipe drops the signal: the program has plenty still to read.
        [[maybe_unused]] const ssize_t n = ::write(g_writeFd, &byte, 1);
    }
    errno = saved;
}

}  // namespace

EndSignals::EndSignals() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    readFd_ = fds[0];
    writeFd_ = fds[1];
    g_writeFd = writeFd_;
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kCaught.size(); ++i) {
        ::sigaction(kCaught[i], &action, &previous_[i]);
    }
    caught_ = true;
}

EndSignals::~EndSignals() {
    if (caught_) {
        for (std::size_t i = 0; i < kCaught.size(); ++i) {
            ::sigaction(kCaught[i], &previous_[i], nullptr);
        }
    }
    g_writeFd = -1;
    if (writeFd_ >= 0) ::close(writeFd_);
    if (readFd_ >= 0) ::close(readFd_);
}

int EndSignals::take() {
    if (readFd_ < 0) return 0;
    unsigned char byte = 0;
    for (;;) {
        const ssize_t n = ::read(readFd_, &byte, 1);
        if (n == 1) return byte;
        if (n < 0 && errno == EINTR) continue;
        return 0;
    }
}

}  // namespace platform
