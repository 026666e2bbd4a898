// Placing windows: keeping a window on the screen, centring one window over another (plainly or
// kept on the screen) or on the screen, fitting a rectangle into an area, and the frame that
// actually moves a form (its child-window frame when it lives in a QMdiArea).
// Positions are pixels.
// Thread contract: user-interface thread only.
#pragma once

#include <QRect>

class QWidget;

namespace corvell::ui {

// The widget that carries a form's position: the QMdiSubWindow around it when there is one,
// else the form itself.
QWidget* windowFrameOf(QWidget* form);

// Moves the window to (0, 0) when its left edge lies beyond the screen's width or its top edge
// beyond the screen's height (strictly); otherwise leaves it.
void KeepFormOnScreen(QWidget* form);

// Centres `form` over `reference` without changing its size; when either coordinate comes out
// negative, both become 0.
void CentreFormOnForm(QWidget* form, QWidget* reference);

// Centres `form` over `reference` without changing its size, then moves it as little as needed
// to lie wholly on the screen's available area (its top-left corner on the area when it is
// larger than the area).
void CentreFormOverKeptOnScreen(QWidget* form, QWidget* reference);

// `rect` moved as little as needed to lie within `area`; one larger than the area keeps its
// top-left corner on the area's.
QRect MovedInto(const QRect& rect, const QRect& area);

// `rect` fitted to the available area of the screen its centre lies on (the primary screen when
// none): one larger than the area is made as large as the area and moved onto it; one that fits
// is left as it is.
QRect FittedToScreen(const QRect& rect);

// Centres `form` on its screen (the primary screen when it has none yet) without changing its
// size.
void CentreFormOnScreen(QWidget* form);

}  // namespace corvell::ui
