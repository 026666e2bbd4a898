#include "ui/FrameFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "ui/Geometry.h"

namespace corvell::ui {
namespace {

constexpr Qt::WindowStates kNotNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

QMargins toldMargins(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

// A child object of the window it keeps on the screen, watching the window's native window: the
// manager's frame is known there when the window is exposed.
class FrameFitKeeper : public QObject {
  public:
    explicit FrameFitKeeper(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("frameFitKeeper"));
        window->winId();
        if (QWindow* handle = window->windowHandle()) handle->installEventFilter(this);
    }
    QMargins margins() const { return margins_; }

    void fit() {
        const QMargins told = toldMargins(window_);
        if (!told.isNull()) margins_ = told;
        if (window_->windowState() & kNotNormal) return;
        const QRect now = window_->geometry();
        const QRect fitted = FrameFittedClientRect(now, told);
        if (fitted != now) window_->setGeometry(fitted);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_->isVisible() &&
            toldMargins(window_) != margins_) {
            fit();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
    QMargins margins_;
};

FrameFitKeeper* keeperOf(const QWidget* window) {
    return window->findChild<FrameFitKeeper*>(QStringLiteral("frameFitKeeper"),
                                              Qt::FindDirectChildrenOnly);
}

}  // namespace

QRect FrameFittedClientRect(const QRect& client, const QMargins& frame) {
    QRect whole = FittedToScreen(client.marginsAdded(frame));
    QScreen* screen = QGuiApplication::screenAt(whole.center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen != nullptr && whole.top() < screen->availableGeometry().top()) {
        whole.moveTop(screen->availableGeometry().top());
    }
    return whole.marginsRemoved(frame);
}

void KeepFrameOnScreen(QWidget* window) {
    if (window == nullptr || !window->isWindow()) return;
    FrameFitKeeper* keeper = keeperOf(window);
    if (keeper == nullptr) keeper = new FrameFitKeeper(window);
    keeper->fit();
}

QMargins KnownFrameMargins(const QWidget* window) {
    const QMargins told = toldMargins(window);
    if (!told.isNull()) return told;
    const FrameFitKeeper* keeper = keeperOf(window);
    return keeper != nullptr ? keeper->margins() : QMargins();
}

}  // namespace corvell::ui
