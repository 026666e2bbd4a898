// The display this test program's own windows are on: Xvfb at 1024 x 768 with openbox, started
// by main() before the application connects to it; null, with the reason, where it could not
// be started (the program then runs offscreen and the tests that need it skip).
// Thread contract: set once by main() before any test runs; read-only after.
#pragma once

#include <string>

#include "tests/support/wm_display.h"

namespace corvell::test {

inline WindowManagerDisplay*& sessionDisplay() {
    static WindowManagerDisplay* display = nullptr;
    return display;
}

inline std::string& sessionDisplayWhyNot() {
    static std::string why;
    return why;
}

}  // namespace corvell::test
