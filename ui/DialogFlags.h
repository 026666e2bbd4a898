// The window-system hints of the program's small dialogs of fixed size: a title and a close box,
// neither minimise nor maximise. The hints are given in full: a window that names none of them
// leaves the window manager to offer every function, minimise and maximise among them.
// Thread contract: pure constants.
#pragma once

#include <Qt>

namespace corvell::ui {

// `type` is Qt::Dialog, or Qt::Tool for one kept off the task bar.
constexpr Qt::WindowFlags fixedDialogFlags(Qt::WindowType type) {
    return Qt::WindowFlags(type) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

}  // namespace corvell::ui
