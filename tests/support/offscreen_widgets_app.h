// Windows need a QApplication: the first call creates one (offscreen unless the environment
// chooses a platform) and keeps it for the rest of the program; a later call finds the one
// there is, so benchmarks of several windows can share one program.
#pragma once

#include <QApplication>
#include <cstdlib>

namespace corvell::test {

inline void ensureWidgetsApp() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "corvell-bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at the program's end the exit handlers would destroy it after Qt's own
    // globals are gone, and its input devices would crash on their way out.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

}  // namespace corvell::test
