#include "scan/ScopeDisplay.h"

#include <QMouseEvent>
#include <QPainter>

#include "scan/ScopeRenderer.h"
#include "ui/VirtualKeys.h"

namespace corvell {

ScopeDisplay::ScopeDisplay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScopeDisplay::showPicture(const QImage& picture) {
    shown_ = picture;
    ++paints_;
    update();
}

void ScopeDisplay::setMarker(std::optional<int> column) {
    if (column == marker_) return;
    marker_ = column;
    update();
}

void ScopeDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (shown_.isNull()) {
        p.fillRect(rect(), Qt::black);
    } else {
        p.drawImage(0, 0, shown_);
    }
    if (marker_) {
        p.setPen(QColor::fromRgb(scopecolour::kMarker));
        p.drawLine(*marker_, 0, *marker_, height() - 1);
    }
}

void ScopeDisplay::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) {
        onMouseDown(ui::mouseButtonFromQt(event->button()),
                    static_cast<int>(event->position().x()));
    }
}

}  // namespace corvell
