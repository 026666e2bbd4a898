// The normal rectangle of a window: where it sits and how large it is while neither minimised
// nor maximised. A window of its own has the toolkit's record of it; a child window of a
// QMdiArea has none, so KeepNormalRect takes its rectangle each time it leaves the normal state.
// Thread contract: user-interface thread only.
#pragma once

#include <QRect>

class QWidget;

namespace corvell::ui {

// From now on, the window's rectangle is kept whenever it is minimised or maximised; calling it
// again changes nothing.
void KeepNormalRect(QWidget* window);

// The window's normal rectangle, in the coordinates of its parent: for a window of its own its
// normalGeometry(); for a child window in the normal state its geometry, whether it is shown or
// not; for one minimised or maximised the rectangle KeepNormalRect took when it left the normal
// state (its geometry when nothing was taken).
QRect normalRectOf(const QWidget* window);

}  // namespace corvell::ui
