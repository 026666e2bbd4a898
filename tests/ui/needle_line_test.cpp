#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "ui/NeedleLine.h"

namespace corvell::ui {
namespace {

// Every pixel drawNeedle paints for a needle, found by drawing it on a blank picture.
QRegion paintedPixels(QPointF pivot, QPointF tip) {
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        drawNeedle(p, pivot, tip, Qt::white);
    }
    QRegion painted;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) painted += QRect(x, y, 1, 1);
        }
    }
    return painted;
}

TEST(NeedleLine, TheBoxHoldsEveryPixelTheNeedlePaintsWithAPixelToSpare) {
    // The sweeps of both meters (pivot below the face, radius about 60) and the straight and
    // flat needles at the edges of what a face can show.
    const QPointF pivot(90, 120);
    for (int degrees = 180; degrees <= 360; degrees += 3) {
        const double a = degrees * M_PI / 180.0;
        const QPointF tip(std::round(pivot.x() + 62 * std::cos(a)),
                          std::round(pivot.y() + 62 * std::sin(a)));
        const QRect box = needleBox(pivot, tip);
        const QRegion painted = paintedPixels(pivot, tip);
        ASSERT_FALSE(painted.isEmpty());
        EXPECT_TRUE((painted - box).isEmpty())
            << degrees << " degrees: pixels outside the box would be left behind on a move";
        const QRect drawn = painted.boundingRect();
        EXPECT_LE(box.width(), drawn.width() + 2) << degrees << " degrees";
        EXPECT_LE(box.height(), drawn.height() + 2) << degrees << " degrees";
    }
}

}  // namespace
}  // namespace corvell::ui
