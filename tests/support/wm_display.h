// A real X display with a real window manager, for tests of windows as a desktop shows them:
// an X server of the test's own (Xvfb, see x_server.h) of the size asked, kept as it is when
// its clients leave, with openbox on it, ready once the manager has announced itself on the
// root window. Where either program is missing or does not come up, ready() is false and
// whyNot() says why, so a test can skip with the reason.
// Also runs a helper program on the display (xdotool for a user's clicks and keys) and waits
// for it. Thread contract: one thread; the display lives as long as the object.
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/x_server.h"

namespace corvell::test {

class WindowManagerDisplay {
  public:
    WindowManagerDisplay(int width, int height) {
        if (!onPath("openbox")) {
            why_ = "openbox is not installed (scripts/deps.sh installs it)";
            return;
        }
        server_.emplace(
            XServerOptions{.width = width, .height = height, .resetsWhenLastClientLeaves = false});
        if (!server_->ready()) {
            why_ = server_->whyNot();
        } else {
            name_ = server_->name();
            if (startManager()) return;
        }
        stop();
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

    // The manager goes before the server it is a client of.
    void stop() {
        ready_ = false;
        stopChild(manager_);
        manager_ = -1;
        server_.reset();
    }

    std::optional<XServer> server_;
    pid_t manager_ = -1;
    std::string name_;
    std::string why_;
    bool ready_ = false;
};

}  // namespace corvell::test
