#include "ui/NeedleLine.h"

#include <QPainter>
#include <QRectF>

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

QRect needleBox(QPointF pivot, QPointF tip) {
    // A pixel of slack above and left for the rounding of the lines, three below and right for
    // the second pixel of the thickness and the rounding. One box, even around a slanted
    // needle: the painter copies a box row by row at once, while a region of many small boxes
    // takes every row through its general clipping, which costs more than the extra pixels.
    return QRectF(pivot, tip).normalized().adjusted(-1, -1, 3, 3).toAlignedRect();
}

}  // namespace corvell::ui
