// The needle of an analogue meter: four one-pixel lines side by side make one needle two pixels
// thick, from the pivot to the tip. needleArea is every pixel it may touch, so a moving needle
// redraws only where it was and where it goes.
// Thread contract: user-interface thread only.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRegion>

class QPainter;

namespace corvell::ui {

void drawNeedle(QPainter& painter, QPointF pivot, QPointF tip, const QColor& colour);
QRegion needleArea(QPointF pivot, QPointF tip);

}  // namespace corvell::ui
