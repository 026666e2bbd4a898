#include "ui/DialogPosition.h"

#include "ui/Form.h"
#include "ui/Geometry.h"
#include "ui/Twips.h"

namespace corvell::ui {

void PlaceAtSavedPosition(Form& form, int32_t left, int32_t top) {
    if (left == 0 && top == 0) return;
    form.move(twipsToPixels(left), twipsToPixels(top));
    // A position saved on a larger or another screen must not lose the dialog.
    KeepFormOnScreen(&form);
    if (form.x() + form.width() <= 0 || form.y() + form.height() <= 0) form.move(0, 0);
    form.setHasPosition();
}

std::optional<QPoint> PositionToSave(const Form& form) {
    if (!form.hasPosition()) return std::nullopt;
    return QPoint(static_cast<int>(pixelsToTwips(form.x())),
                  static_cast<int>(pixelsToTwips(form.y())));
}

}  // namespace corvell::ui
