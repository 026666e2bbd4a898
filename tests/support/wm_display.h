// A real X display with a real window manager, for tests of windows as a desktop shows them:
// Xvfb on a free display number (it names the number itself), openbox on it, ready once the
// manager has announced itself on the root window. Where either program is missing or does not
// come up, ready() is false and whyNot() says why, so a test can skip with the reason.
// Also runs a helper program on the display (xdotool for a user's clicks and keys) and waits
// for it. Thread contract: one thread; the display lives as long as the object.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace corvell::test {

// The environment of this process with `extra` ("NAME=value") put over it.
inline std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const std::string& x : extra) replaced |= x.substr(0, x.find('=')) == name;
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

// Starts `argv` (looked up on PATH) with `env`; fd `passFd`, when >= 0, becomes the child's
// fd 3; `quiet` sends its standard error nowhere too. Returns the child's pid, or -1 with the
// reason in `error`.
inline pid_t spawnProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                          std::string& error, int passFd = -1, bool quiet = false) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (passFd >= 0) posix_spawn_file_actions_adddup2(&actions, passFd, 3);
    // A test's own output stays readable: the helpers' chatter goes nowhere.
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (quiet) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        error = argv[0] + ": " + std::strerror(rc);
        return -1;
    }
    return pid;
}

// Waits at most `timeoutMs` for the child to end; its exit status, or nullopt when it did not.
inline std::optional<int> waitChild(pid_t pid, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (r < 0) return -1;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Ends a child by SIGTERM, by SIGKILL when it will not go.
inline void stopChild(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    if (!waitChild(pid, 3000)) {
        ::kill(pid, SIGKILL);
        waitChild(pid, 3000);
    }
}

inline bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string file = dirs.substr(start, end - start) + "/" + program;
        if (::access(file.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

class WindowManagerDisplay {
  public:
    WindowManagerDisplay(int width, int height) {
        for (const char* program : {"Xvfb", "openbox"}) {
            if (!onPath(program)) {
                why_ = std::string(program) + " is not installed (scripts/deps.sh installs it)";
                return;
            }
        }
        if (!startServer(width, height) || !startManager()) stop();
    }
    ~WindowManagerDisplay() { stop(); }
    WindowManagerDisplay(const WindowManagerDisplay&) = delete;
    WindowManagerDisplay& operator=(const WindowManagerDisplay&) = delete;

    bool ready() const { return ready_; }
    const std::string& whyNot() const { return why_; }
    // ":N"
    const std::string& name() const { return name_; }

    // Runs a helper program on the display and waits for it; its exit status (-1 when it could
    // not start or did not end within 10 s).
    int run(const std::vector<std::string>& argv) const {
        std::string error;
        const pid_t pid = spawnProgram(argv, environmentWith({"DISPLAY=" + name_}), error);
        if (pid < 0) return -1;
        const std::optional<int> status = waitChild(pid, 10000);
        if (!status) {
            stopChild(pid);
            return -1;
        }
        return *status;
    }

  private:
    bool startServer(int width, int height) {
        int fds[2];
        if (::pipe(fds) != 0) {
            why_ = std::string("pipe: ") + std::strerror(errno);
            return false;
        }
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        server_ = spawnProgram(
            {"Xvfb", "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
            environmentWith({}), why_, fds[1], true);
        ::close(fds[1]);
        std::string number;
        if (server_ > 0) {
            // Xvfb writes the display number and a newline once it accepts connections.
            pollfd p{fds[0], POLLIN, 0};
            char c = 0;
            while (::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') {
                number += c;
            }
        }
        ::close(fds[0]);
        if (server_ <= 0) return false;
        if (number.empty()) {
            why_ = "Xvfb did not name its display within 10 s";
            return false;
        }
        name_ = ":" + number;
        return true;
    }

    bool startManager() {
        manager_ = spawnProgram({"openbox", "--sm-disable"}, environmentWith({"DISPLAY=" + name_}),
                                why_, -1, true);
        if (manager_ <= 0) return false;
        xcb_connection_t* c = xcb_connect(name_.c_str(), nullptr);
        if (xcb_connection_has_error(c) != 0) {
            xcb_disconnect(c);
            why_ = "cannot connect to Xvfb on " + name_;
            return false;
        }
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, 24, "_NET_SUPPORTING_WM_CHECK"), nullptr);
        const xcb_atom_t check = atom != nullptr ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(atom);
        // The manager is up once its check window is named on the root window.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!ready_ && std::chrono::steady_clock::now() < deadline) {
            xcb_get_property_reply_t* r = xcb_get_property_reply(
                c, xcb_get_property(c, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
            ready_ = r != nullptr && xcb_get_property_value_length(r) == 4;
            std::free(r);
            if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (waitChild(manager_, 0)) {
                why_ = "openbox ended at its start";
                manager_ = -1;
                break;
            }
        }
        xcb_disconnect(c);
        if (!ready_ && why_.empty()) why_ = "openbox did not come up within 10 s";
        return ready_;
    }

    void stop() {
        ready_ = false;
        stopChild(manager_);
        stopChild(server_);
        manager_ = server_ = -1;
    }

    pid_t server_ = -1;
    pid_t manager_ = -1;
    std::string name_;
    std::string why_;
    bool ready_ = false;
};

}  // namespace corvell::test
