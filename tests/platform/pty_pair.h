// A pseudo-terminal for tests: the master side stands for the far end of a serial line, the
// slave's path is what the code under test opens.
// Thread contract: one test thread uses it; readMaster() may run while another thread writes
// to the slave.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>

namespace testing_pty {

class PtyPair {
  public:
    PtyPair() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            char name[128];
            if (::ptsname_r(master_, name, sizeof name) == 0) path_ = name;
        }
    }
    ~PtyPair() { closeMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0 && !path_.empty(); }
    int master() const { return master_; }
    const std::string& slavePath() const { return path_; }

    void closeMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

    bool writeMaster(const std::string& bytes) {
        return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Reads until `count` bytes have come or `timeoutMs` passed without any.
    std::string readMaster(size_t count, int timeoutMs = 3000) {
        std::string got;
        while (got.size() < count) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN)) break;
            char buffer[512];
            const size_t want = std::min(sizeof buffer, count - got.size());
            const ssize_t n = ::read(master_, buffer, want);
            if (n <= 0) break;
            got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }

    // Everything that arrives until the line has been quiet for `quietMs`.
    std::string readUntilQuiet(int quietMs) {
        std::string got;
        for (;;) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, quietMs) <= 0 || !(p.revents & POLLIN)) return got;
            char buffer[512];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) return got;
            got.append(buffer, static_cast<size_t>(n));
        }
    }

  private:
    int master_ = -1;
    std::string path_;
};

}  // namespace testing_pty
