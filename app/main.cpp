// corvell: the program the user starts.
#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>

#include "app/DisplayCheck.h"
#include "app/Program.h"
#include "ui/QtMessagePresenter.h"

int main(int argc, char** argv) {
    if (const std::optional<std::string> problem =
            corvell::app::displayProblem(argc > 0 ? argv[0] : "corvell")) {
        std::fputs(problem->c_str(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
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
