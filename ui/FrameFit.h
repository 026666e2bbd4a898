// Keeping a window's whole frame on the screen: its client area, and the title bar and border
// the window manager puts round it. The manager tells that frame only once the window is shown,
// so the fit made before is made again as soon as it is known; the margins last told are kept
// for a place to be saved after the window has gone.
// Thread contract: user-interface thread only.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace corvell::ui {

// `client` placed so that `client` with its `frame` margins round it is fitted to the screen
// as FittedToScreen() fits it, and with the top edge of that frame (its title bar) never above
// the screen's available area, where it would be out of reach.
QRect FrameFittedClientRect(const QRect& client, const QMargins& frame);

// Fits the window now, with the frame margins known so far, and again each time the window
// system tells other margins while it is shown in its normal state. Calling it again fits it
// again now.
void KeepFrameOnScreen(QWidget* window);

// The frame margins the window system last told for the window (none when it never told).
QMargins KnownFrameMargins(const QWidget* window);

}  // namespace corvell::ui
