// corvell: the program the user starts.
#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>

#include "app/DisplayCheck.h"
#include "app/Program.h"
#include "ui/QtMessagePresenter.h"

int main(int argc, char** argv) {
    corvell::app::DisplayCheck display(argc > 0 ? argv[0] : "corvell");
    if (display.problem()) {
        std::fputs(display.problem()->c_str(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    display.release();  // the toolkit has its own connection now
    QApplication::setApplicationName("Corvell");
    corvell::ui::ScopedQtMessagePresenter presenter;
    corvell::app::Program program;
    if (!program.start()) {
        // Quiet when another instance runs on, or the first run's dialog was left.
        if (program.refusal().empty()) return 0;
        std::fputs(program.refusal().c_str(), stderr);
        return 1;
    }
    return app.exec();
}
