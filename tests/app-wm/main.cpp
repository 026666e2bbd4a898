#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <memory>

#include "tests/app-wm/session_display.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<corvell::test::WindowManagerDisplay> display;
    // Listing the tests needs no display.
    if (!GTEST_FLAG_GET(list_tests)) {
        display = std::make_unique<corvell::test::WindowManagerDisplay>(1024, 768);
    }
    if (display && display->ready()) {
        ::setenv("DISPLAY", display->name().c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        corvell::test::sessionDisplay() = display.get();
    } else {
        corvell::test::sessionDisplayWhyNot() =
            display ? display->whyNot() : std::string("no display while listing");
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // The application goes before the display it is on.
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
