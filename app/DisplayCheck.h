// Whether the windows have a display to go to, asked before the toolkit starts: the toolkit
// aborts the process when the X display it is given does not answer, so a display that is
// missing or cannot be reached is found here first and told in plain words. The check's own
// connection stays open until release(), once the toolkit has its own: an X server whose last
// client leaves resets itself, and a connection made meanwhile waits tens of milliseconds for
// that, so on a display with no other client a check that closed first would hold the toolkit up.
// Thread contract: make it in main() before the application object exists; one thread.
#pragma once

#include <optional>
#include <string>

struct xcb_connection_t;

namespace corvell::app {

class DisplayCheck {
  public:
    // Checks the display now. `program` is the name the user started the program by, for the
    // hint how to run without one.
    explicit DisplayCheck(const std::string& program);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // What to tell the user when no window can be shown, naming the display; nullopt when the
    // display answers or the toolkit is told to use another platform (offscreen, Wayland).
    const std::optional<std::string>& problem() const { return problem_; }
    // The open connection to the display that answered; nullptr when none was made or kept,
    // or after release().
    xcb_connection_t* connection() const { return connection_; }
    // Closes the connection: once the toolkit has its own.
    void release();

  private:
    std::optional<std::string> problem_;
    xcb_connection_t* connection_ = nullptr;
};

}  // namespace corvell::app
