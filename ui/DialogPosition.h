// A dialog's own position as the settings file keeps it: its left and top edge in twips. Both 0
// is what the keys read when they are missing, and what a dialog that was never shown used to
// be saved at; it stands for no position, so the dialog opens centred over its owner.
// Thread contract: user-interface thread only.
#pragma once

#include <QPoint>
#include <cstdint>
#include <optional>

namespace corvell::ui {

class Form;

// Puts `form` at a saved position (twips) and gives it that position as its own; one that would
// lose the window off the screen becomes the screen's corner. 0,0 leaves the form without a
// position of its own.
void PlaceAtSavedPosition(Form& form, int32_t left, int32_t top);

// The position to save, in twips; none while the form has no position of its own (it was
// neither shown nor placed at a saved one), so a dialog never opened keeps what is saved.
std::optional<QPoint> PositionToSave(const Form& form);

}  // namespace corvell::ui
