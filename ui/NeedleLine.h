// The needle of an analogue meter: four one-pixel lines side by side make one needle two pixels
// thick, from the pivot to the tip. needleBox holds every pixel it may touch, so a moving needle
// redraws only the box around where it was and where it goes.
// Thread contract: user-interface thread only.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>

class QPainter;

namespace corvell::ui {

void drawNeedle(QPainter& painter, QPointF pivot, QPointF tip, const QColor& colour);
QRect needleBox(QPointF pivot, QPointF tip);

}  // namespace corvell::ui
