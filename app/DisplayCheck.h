// Whether the windows have a display to go to, asked before the toolkit starts: the toolkit
// aborts the process when the X display it is given does not answer, so a display that is
// missing or cannot be reached is found here first and told in plain words.
// Thread contract: call from main() before the application object exists.
#pragma once

#include <optional>
#include <string>

namespace corvell::app {

// What to tell the user when no window can be shown, naming the display; nullopt when the
// display answers or the toolkit is told to use another platform (offscreen, Wayland).
// `program` is the name the user started the program by, for the hint how to run without one.
std::optional<std::string> displayProblem(const std::string& program);

}  // namespace corvell::app
