// Entry of a test program that drives real widgets: runs the tests inside a QApplication on the
// offscreen platform (unless QT_QPA_PLATFORM names another), so they need no display.
// Use from the program's own main(): `return corvell::test::runWidgetTests(argc, argv);`
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>

namespace corvell::test {

inline int runWidgetTests(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace corvell::test
