// The program's side of an emulated receiver for tests: opens a device path raw, and collects
// the lines that arrive on it (or on any descriptor) until a condition holds or a deadline
// passes. Polls with the deadline; never sleeps blindly.
// Thread contract: one reader per descriptor, used from one thread.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace rxtest {

// Opens a pseudo-terminal's slave side raw and non-blocking; -1 on failure.
inline int openRaw(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    termios settings{};
    ::tcgetattr(fd, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(fd, TCSANOW, &settings);
    return fd;
}

inline bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        }
    }
    return true;
}

class LineReader {
  public:
    explicit LineReader(int fd) : fd_(fd) {}

    // Reads lines until `done` holds for all lines read so far, or `timeoutMs` passes; whether
    // it held.
    bool readUntil(const std::function<bool(const std::vector<std::string>&)>& done,
                   int timeoutMs = 5000) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done(lines_)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  deadline - std::chrono::steady_clock::now())
                                  .count();
            if (left <= 0) return false;
            pollfd p{fd_, POLLIN, 0};
            // Short slices, so a condition that does not depend on the line is seen soon too.
            if (::poll(&p, 1, static_cast<int>(std::min<long long>(left, 5))) > 0) {
                takeWhatIsThere();
            }
        }
        return true;
    }
    // Until a line equal to `text` has come after the first `from` lines.
    bool readUntilLine(const std::string& text, size_t from = 0, int timeoutMs = 5000) {
        return readUntil([&](const auto& lines) { return indexOf(text, from) < lines.size(); },
                         timeoutMs);
    }
    // Takes the bytes waiting now, without waiting for more.
    void takeWhatIsThere() {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (ssize_t i = 0; i < n; ++i) {
                if (buffer[i] == '\n') {
                    lines_.push_back(partial_);
                    partial_.clear();
                } else {
                    partial_.push_back(buffer[i]);
                }
            }
        }
    }
    // Number of the first line equal to `text` from line `from` on; lines().size() if none.
    size_t indexOf(const std::string& text, size_t from = 0) const {
        for (size_t i = from; i < lines_.size(); ++i) {
            if (lines_[i] == text) return i;
        }
        return lines_.size();
    }
    // The lines from `from` on that begin with `prefix`.
    std::vector<std::string> starting(const std::string& prefix, size_t from = 0) const {
        std::vector<std::string> out;
        for (size_t i = from; i < lines_.size(); ++i) {
            if (lines_[i].rfind(prefix, 0) == 0) out.push_back(lines_[i]);
        }
        return out;
    }
    const std::vector<std::string>& lines() const { return lines_; }

  private:
    int fd_;
    std::vector<std::string> lines_;
    std::string partial_;
};

}  // namespace rxtest
