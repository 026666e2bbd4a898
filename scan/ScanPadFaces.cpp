#include "scan/ScanPadFaces.h"

#include <QPainter>
#include <cmath>

#include "resources/ArtPrimitives.h"

namespace corvell {

NeedleMeter::NeedleMeter(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NeedleMeter::setUp() {
    if (setUp_) return;
    g_ = NeedleGeometry::ForFace(width(), height());
    setUp_ = true;
}

bool NeedleMeter::moveTo(int level) {
    if (level == level_) return false;
    level_ = level;
    const NeedlePoint t = g_.tip(level);
    if (t == tip_) return false;
    tip_ = t;
    update();
    return true;
}

void NeedleMeter::paintEvent(QPaintEvent*) {
    ++repaints_;
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(art::palette::kDisplayGround));
    p.setRenderHint(QPainter::Antialiasing);
    // The scale: S-units along the needle's sweep.
    p.setPen(QColor::fromRgb(art::palette::kDisplayText));
    QFont font("Arial");
    font.setPixelSize(8);
    p.setFont(font);
    const char* marks[] = {"1", "3", "5", "7", "9", "+20", "+40", "+60"};
    for (int k = 0; k <= 7; ++k) {
        const int level = k * 255 / 7;
        const double a = NeedleGeometry::angleDeg(level) * M_PI / 180.0;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF c(g_.x0, g_.y0);
        p.drawLine(c + dir * (g_.radius - 16), c + dir * (g_.radius - 8));
        const QPointF at = c + dir * (g_.radius - 2);
        p.drawText(QRectF(at.x() - 10, at.y() - 5, 20, 10), Qt::AlignCenter, marks[k]);
    }
    p.drawText(QRectF(0, height() - 14, width(), 12), Qt::AlignCenter, "S");
    if (!setUp_) return;
    // Four one-pixel lines side by side make the two-pixel needle.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor::fromRgb(art::palette::kPointer));
    const int ox[] = {0, 0, 1, 1};
    const int oy[] = {0, 1, 0, 1};
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(g_.x0 + ox[i], g_.y0 + oy[i]), QPointF(tip_.x + ox[i], tip_.y + oy[i]));
    }
}

ConditionStrip::ConditionStrip(QWidget* parent)
    : QWidget(parent), font_(art::fitFont("Program SCAN", QSizeF(90, 14), false)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ConditionStrip::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void ConditionStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setFont(font_);
    p.setPen(QColor(0, 255, 255));
    p.drawText(rect(), Qt::AlignCenter, text_);
}

}  // namespace corvell
