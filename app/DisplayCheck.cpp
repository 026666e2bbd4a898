#include "app/DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace corvell::app {

namespace {

std::string_view env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string withoutDisplayHint(const std::string& program) {
    return "To run without one: QT_QPA_PLATFORM=offscreen " + program + "\n";
}

// Why the X display named by `display` takes no connection, or nothing when it does; the
// connection that was made is kept in `kept`.
std::optional<std::string> unreachable(const std::string& display, xcb_connection_t*& kept) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const int error = xcb_connection_has_error(connection);
    if (error == 0) {
        kept = connection;
        return std::nullopt;
    }
    xcb_disconnect(connection);
    switch (error) {
        case XCB_CONN_CLOSED_PARSE_ERR:
            return "is not a display name";
        case XCB_CONN_CLOSED_INVALID_SCREEN:
            return "names a screen that display does not have";
        default:
            return "cannot be reached: no X server answers there, or it does not let this user in";
    }
}

std::optional<std::string> displayProblem(const std::string& program, xcb_connection_t*& kept) {
    const std::string_view platform = env("QT_QPA_PLATFORM");
    // The X platform is the toolkit's default here and the one that aborts; a platform asked
    // for by name (offscreen, Wayland) is taken as it is.
    if (!platform.empty() && !platform.starts_with("xcb")) return std::nullopt;
    // Where Wayland is there too, the toolkit may well choose it.
    if (platform.empty() && !env("WAYLAND_DISPLAY").empty()) return std::nullopt;
    const std::string display(env("DISPLAY"));
    if (display.empty()) {
        return std::string("corvell: no display (") +
               (platform.empty() ? "neither DISPLAY nor WAYLAND_DISPLAY is" : "DISPLAY is not") +
               " set).\n" + withoutDisplayHint(program);
    }
    if (const std::optional<std::string> why = unreachable(display, kept)) {
        return "corvell: the display \"" + display + "\" (DISPLAY) " + *why + ".\n" +
               withoutDisplayHint(program);
    }
    return std::nullopt;
}

}  // namespace

DisplayCheck::DisplayCheck(const std::string& program) {
    problem_ = displayProblem(program, connection_);
}

DisplayCheck::~DisplayCheck() {
    release();
}

void DisplayCheck::release() {
    if (connection_ != nullptr) xcb_disconnect(connection_);
    connection_ = nullptr;
}

}  // namespace corvell::app
