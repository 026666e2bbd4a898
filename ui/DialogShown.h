// Showing a dialog by the key that opens and closes it. The window manager may minimise a
// dialog whatever its hints say; a minimised dialog still counts as shown, so a plain toggle
// would hide it, and one shown again would come back still minimised. The key brings it back.
// Thread contract: user-interface thread only.
#pragma once

class QWidget;

namespace corvell::ui {

// Shows the dialog in its normal state (no longer minimised), raised above its owner and
// active.
void BringUpDialog(QWidget* dialog);

// The key of a dialog: one in sight is hidden; one hidden or minimised is brought up.
void ToggleDialogByKey(QWidget* dialog);

}  // namespace corvell::ui
