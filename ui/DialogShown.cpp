#include "ui/DialogShown.h"

#include <QWidget>

namespace corvell::ui {

void BringUpDialog(QWidget* dialog) {
    if (dialog == nullptr) return;
    if (dialog->windowState() & Qt::WindowMinimized) {
        // Withdrawn and mapped again in the normal state: a window manager need not take a
        // request to restore a window it minimised, but it manages a newly mapped one as it is
        // asked to.
        dialog->hide();
        dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ToggleDialogByKey(QWidget* dialog) {
    if (dialog == nullptr) return;
    if (dialog->isVisible() && !dialog->isMinimized()) {
        dialog->hide();
    } else {
        BringUpDialog(dialog);
    }
}

}  // namespace corvell::ui
