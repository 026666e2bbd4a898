#include "ui/SkinPicture.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

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
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    grabOffset_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void SkinPicture::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) window()->move(event->globalPosition().toPoint() - grabOffset_);
}

void SkinPicture::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void KeepFormOnScreen(QWidget& window) {
    const QRect frame = window.frameGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame)) return;
    }
    window.move(0, 0);
}

}  // namespace corvell::ui
