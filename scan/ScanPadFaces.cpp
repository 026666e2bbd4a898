#include "scan/ScanPadFaces.h"

#include <QPainter>
#include <cmath>

#include "resources/ArtPrimitives.h"
#include "ui/NeedleLine.h"

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
    const QPointF pivot(g_.x0, g_.y0);
    const QRect before = ui::needleBox(pivot, QPointF(tip_.x, tip_.y));
    tip_ = t;
    update(before | ui::needleBox(pivot, QPointF(tip_.x, tip_.y)));
    return true;
}

void NeedleMeter::paintFace() {
    const qreal ratio = devicePixelRatioF();
    face_ = QPixmap(size() * ratio);
    face_.setDevicePixelRatio(ratio);
    faceSetUp_ = setUp_;
    QPainter p(&face_);
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
}

void NeedleMeter::paintEvent(QPaintEvent*) {
    ++repaints_;
    // The scale is laid out once; a moving needle only draws it from the picture.
    if (face_.isNull() || face_.deviceIndependentSize().toSize() != size() ||
        face_.devicePixelRatio() != devicePixelRatioF() || faceSetUp_ != setUp_) {
        paintFace();
    }
    QPainter p(this);
    p.drawPixmap(0, 0, face_);
    if (!setUp_) return;
    ui::drawNeedle(p, QPointF(g_.x0, g_.y0), QPointF(tip_.x, tip_.y),
                   QColor::fromRgb(art::palette::kPointer));
}

ConditionStrip::ConditionStrip(QWidget* parent) : QWidget(parent) {
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
    // Fitted as every legend is, so the longest condition is narrowed rather than cut.
    art::drawLegend(p, rect(), text_, QColor(0, 255, 255), false);
}

}  // namespace corvell
