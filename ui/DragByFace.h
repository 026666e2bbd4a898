// Lets a borderless panel be moved by dragging its face: called from the face's left-button
// press, it hands the move to the window system for a window of its own, and for a panel inside
// a QMdiArea moves its child-window frame with the mouse until the button is released, keeping
// the point the mouse holds inside the area.
// Thread contract: user-interface thread only.
#pragma once

class QMouseEvent;
class QWidget;

namespace corvell::ui {

// `panel` is the form to move, `face` the widget that took the press.
void DragByFace(QWidget* panel, QWidget* face, const QMouseEvent& press);

}  // namespace corvell::ui
