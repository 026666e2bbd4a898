#include "ui/Geometry.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace corvell::ui {

QWidget* windowFrameOf(QWidget* form) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget())) return frame;
    return form;
}

namespace {

QScreen* screenOf(QWidget* frame) {
    return frame->screen() != nullptr ? frame->screen() : QGuiApplication::primaryScreen();
}

// Where the frame of `form` goes to be centred over the frame of `reference`.
QPoint centredOver(QWidget* form, QWidget* reference) {
    const QRect ref = windowFrameOf(reference)->frameGeometry();
    const QSize own = windowFrameOf(form)->frameGeometry().size();
    return {ref.left() + ref.width() / 2 - own.width() / 2,
            ref.top() + ref.height() / 2 - own.height() / 2};
}

}  // namespace

void KeepFormOnScreen(QWidget* form) {
    QWidget* frame = windowFrameOf(form);
    QScreen* screen = screenOf(frame);
    if (screen == nullptr) return;
    const QSize size = screen->geometry().size();
    if (frame->x() > size.width() || frame->y() > size.height()) frame->move(0, 0);
}

void CentreFormOnForm(QWidget* form, QWidget* reference) {
    QPoint at = centredOver(form, reference);
    if (at.x() < 0 || at.y() < 0) at = QPoint(0, 0);
    windowFrameOf(form)->move(at);
}

void CentreFormOverKeptOnScreen(QWidget* form, QWidget* reference) {
    QWidget* frame = windowFrameOf(form);
    const QSize own = frame->frameGeometry().size();
    QPoint at = centredOver(form, reference);
    if (QScreen* screen = screenOf(windowFrameOf(reference))) {
        at = MovedInto(QRect(at, own), screen->availableGeometry()).topLeft();
    }
    frame->move(at);
}

QRect MovedInto(const QRect& rect, const QRect& area) {
    const int x = std::max(area.left(), std::min(rect.left(), area.right() + 1 - rect.width()));
    const int y = std::max(area.top(), std::min(rect.top(), area.bottom() + 1 - rect.height()));
    return {QPoint(x, y), rect.size()};
}

QRect FittedToScreen(const QRect& rect) {
    QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return rect;
    const QRect area = screen->availableGeometry();
    // One that fits stays where it is, even partly past an edge (as the user left it).
    if (rect.width() <= area.width() && rect.height() <= area.height()) return rect;
    return MovedInto(QRect(rect.topLeft(), rect.size().boundedTo(area.size())), area);
}

void CentreFormOnScreen(QWidget* form) {
    QWidget* frame = windowFrameOf(form);
    QScreen* screen = screenOf(frame);
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize own = frame->frameGeometry().size();
    frame->move(area.left() + area.width() / 2 - own.width() / 2,
                area.top() + area.height() / 2 - own.height() / 2);
}

}  // namespace corvell::ui
