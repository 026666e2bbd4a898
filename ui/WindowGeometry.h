// Placing windows: keep a window on the screen, and centre one window over another. Positions
// are in pixels of the window's own coordinate system (the screen for top-level windows).
// Thread contract: user-interface thread only.
#pragma once

class QWidget;

namespace corvell::ui {

// Moves the window to (0, 0) when its left edge lies beyond the screen's width or its top
// beyond the screen's height (strictly); otherwise leaves it.
void KeepFormOnScreen(QWidget& window);

// Centres `window` over `reference`; when either coordinate would be negative both become 0.
// The window's size is not changed.
void CentreFormOnForm(QWidget& window, const QWidget& reference);

}  // namespace corvell::ui
