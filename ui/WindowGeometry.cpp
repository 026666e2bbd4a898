#include "ui/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace corvell::ui {

void KeepFormOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize size = screen->size();
    const QPoint at = window.pos();
    if (at.x() > size.width() || at.y() > size.height()) window.move(0, 0);
}

void CentreFormOnForm(QWidget& window, const QWidget& reference) {
    const QRect r = reference.frameGeometry();
    const int cx = r.left() + r.width() / 2;
    const int cy = r.top() + r.height() / 2;
    int left = cx - window.frameGeometry().width() / 2;
    int top = cy - window.frameGeometry().height() / 2;
    if (left < 0 || top < 0) left = top = 0;
    window.move(left, top);
}

}  // namespace corvell::ui
