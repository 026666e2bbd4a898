// corvell: the program the user starts.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/Program.h"
#include "ui/QtMessagePresenter.h"

namespace {

bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "corvell: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "To run without one: QT_QPA_PLATFORM=offscreen %s\n",
                     argc > 0 ? argv[0] : "corvell");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Corvell");
    corvell::ui::ScopedQtMessagePresenter presenter;
    corvell::app::Program program;
    if (!program.start()) return 0;  // another instance runs: end quietly
    return app.exec();
}
