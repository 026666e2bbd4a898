// The client rectangle fitted so that the whole frame round it, title bar and border included,
// lies on the screen: a table of frames of the size an X window manager draws (1 px border,
// 20 px title bar, 5 px bottom edge) on the offscreen platform's screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "ui/FrameFit.h"

namespace corvell::ui {
namespace {

TEST(FrameFit, TheWholeFrameIsFittedAndItsTitleBarNeverLiesAboveTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QMargins frame(1, 20, 1, 5);
    const int w = area.width();
    const int h = area.height();
    struct Case {
        const char* what;
        QRect client;
        QRect fitted;
    };
    const Case cases[] = {
        {"fits: stays", QRect(40, 50, 300, 200), QRect(40, 50, 300, 200)},
        {"fits, partly past the right edge: stays", QRect(w - 100, 50, 300, 200),
         QRect(w - 100, 50, 300, 200)},
        {"fits, title bar above the screen: moved down", QRect(40, 0, 300, 200),
         QRect(40, 20, 300, 200)},
        {"client as large as the screen: frame made as large", QRect(0, 0, w, h),
         QRect(1, 20, w - 2, h - 25)},
        {"larger than the screen: frame on it", QRect(40, 30, w + 336, h + 252),
         QRect(1, 20, w - 2, h - 25)},
        {"wider only: frame as wide, kept where it fits", QRect(7, 27, w + 38, 200),
         QRect(1, 27, w - 2, 200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FrameFittedClientRect(c.client.translated(area.topLeft()), frame),
                  c.fitted.translated(area.topLeft()));
    }
    // Without a frame (none told yet) the client itself is fitted.
    EXPECT_EQ(FrameFittedClientRect(QRect(area.left() + 5, area.top() - 8, 100, 100), QMargins()),
              QRect(area.left() + 5, area.top(), 100, 100));
}

}  // namespace
}  // namespace corvell::ui
