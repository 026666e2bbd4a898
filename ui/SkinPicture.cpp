#include "ui/SkinPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/DragByFace.h"

namespace corvell::ui {

SkinPicture::SkinPicture(QWidget* parent) : QWidget(parent) {}

void SkinPicture::setPicture(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    const QSize size = pixmap.isNull() ? QSize() : pixmap.deviceIndependentSize().toSize();
    resize(size);
    update();
}

void SkinPicture::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap_);
}

void SkinPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) DragByFace(parentWidget(), this, *event);
}

}  // namespace corvell::ui
