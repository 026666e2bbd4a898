#include "ui/NeedleLine.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace corvell::ui {

void drawNeedle(QPainter& painter, QPointF pivot, QPointF tip, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 1));
    for (int dx = 0; dx <= 1; ++dx) {
        for (int dy = 0; dy <= 1; ++dy) {
            painter.drawLine(pivot + QPointF(dx, dy), tip + QPointF(dx, dy));
        }
    }
    painter.restore();
}

QRegion needleArea(QPointF pivot, QPointF tip) {
    // Short pieces of the needle, each in its own box with a pixel of slack on every side for
    // the rounding of the lines: a slanted needle's area is a narrow band, not the box of the
    // whole line, so the pictures beside it are not drawn again.
    constexpr double kPiece = 12.0;
    const QPointF along = tip - pivot;
    const int pieces = std::max(
        1,
        static_cast<int>(std::ceil(std::max(std::abs(along.x()), std::abs(along.y())) / kPiece)));
    QRegion area;
    for (int i = 0; i < pieces; ++i) {
        const QPointF from = pivot + along * (static_cast<double>(i) / pieces);
        const QPointF to = pivot + along * (static_cast<double>(i + 1) / pieces);
        area += QRectF(from, to).normalized().adjusted(-1, -1, 3, 3).toAlignedRect();
    }
    return area;
}

}  // namespace corvell::ui
