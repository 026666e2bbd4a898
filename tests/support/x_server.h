// An X server of a test's own: Xvfb on a free display number, which it picks and names itself
// (-displayfd) once it takes connections, stopped when the object goes. Where Xvfb is missing or
// does not come up, ready() is false and whyNot() says why, so a test can skip with the reason.
// Thread contract: one thread; the server lives as long as the object.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace corvell::test {

struct XServerOptions {
    // The screen's size; 0 x 0 leaves Xvfb's own.
    int width = 0;
    int height = 0;
    // Whether the server starts afresh each time its last client leaves, as a desktop's server
    // does (Xvfb's default); false keeps it as it is (-noreset).
    bool resetsWhenLastClientLeaves = true;
};

class XServer {
  public:
    explicit XServer(const XServerOptions& options = XServerOptions()) {
        if (!onPath("Xvfb")) {
            why_ = "Xvfb is not installed (scripts/deps.sh installs it)";
            return;
        }
        start(options);
    }
    ~XServer() { stopChild(pid_); }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool ready() const { return !name_.empty(); }
    const std::string& whyNot() const { return why_; }
    // ":N"; empty when it is not ready.
    const std::string& name() const { return name_; }

  private:
    void start(const XServerOptions& options) {
        int fds[2];
        // Only the copy made the server's fd 3 reaches it.
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            why_ = std::string("pipe: ") + std::strerror(errno);
            return;
        }
        std::vector<std::string> argv = {"Xvfb", "-displayfd", "3", "-nolisten", "tcp"};
        if (options.width > 0 && options.height > 0) {
            argv.insert(argv.end(), {"-screen", "0",
                                     std::to_string(options.width) + "x" +
                                         std::to_string(options.height) + "x24"});
        }
        if (!options.resetsWhenLastClientLeaves) argv.push_back("-noreset");
        pid_ = spawnProgram(argv, environmentWith({}), why_, fds[1], true);
        ::close(fds[1]);
        // Xvfb writes the display number and a newline once it accepts connections.
        std::string number;
        bool named = false;
        if (pid_ > 0) {
            pollfd p{fds[0], POLLIN, 0};
            char c = 0;
            while (!named && ::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1) {
                named = c == '\n';
                if (!named) number += c;
            }
        }
        ::close(fds[0]);
        if (pid_ <= 0) return;
        if (!named || number.empty()) {
            why_ = "Xvfb did not name its display within 10 s";
            return;
        }
        name_ = ":" + number;
    }

    pid_t pid_ = -1;
    std::string name_;
    std::string why_;
};

}  // namespace corvell::test
