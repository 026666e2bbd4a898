// The normal rectangle of a window: where it sits and how large it is while neither minimised
// nor maximised. A window of its own has the toolkit's record of it; a child window of a
// QMdiArea has none, so KeepNormalRect follows its moves and sizes and keeps the last ones it
// had in the normal state.
// Thread contract: user-interface thread only.
#pragma once

#include <QRect>

class QWidget;

namespace corvell::ui {

// From now on, the window's moves and sizes in the normal state are kept; calling it again
// changes nothing.
void KeepNormalRect(QWidget* window);

// The window's normal rectangle: for a window of its own its normalGeometry(), for a child
// window the one KeepNormalRect kept (its geometry when nothing is kept yet), in the
// coordinates of its parent.
QRect normalRectOf(const QWidget* window);

}  // namespace corvell::ui
