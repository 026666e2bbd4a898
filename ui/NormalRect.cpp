#include "ui/NormalRect.h"

#include <QWidget>
#include <QWindowStateChangeEvent>

namespace corvell::ui {
namespace {

constexpr Qt::WindowStates kNotNormal = Qt::WindowMinimized | Qt::WindowMaximized;

// A child object of the window it watches. The toolkit tells a child window's change of state
// before it moves and sizes it for the new state, so the rectangle taken when the window leaves
// the normal state is its normal one. Moves and sizes themselves are not followed: the toolkit
// sends none to a hidden window, and in the normal state the geometry is the answer anyway.
class NormalRectKeeper : public QObject {
  public:
    explicit NormalRectKeeper(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("normalRectKeeper"));
        window->installEventFilter(this);
    }
    QRect rect() const { return rect_; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::WindowStateChange) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(event);
            // The toolkit repeats a change to a child window as "override" events whose old
            // state is not the one left; only the first, real one tells the change.
            if (!change->isOverride() && !(change->oldState() & kNotNormal) &&
                (window_->windowState() & kNotNormal)) {
                rect_ = window_->geometry();
            }
        }
        return false;
    }

  private:
    QWidget* window_;
    QRect rect_;
};

NormalRectKeeper* keeperOf(const QWidget* window) {
    return window->findChild<NormalRectKeeper*>(QStringLiteral("normalRectKeeper"),
                                                Qt::FindDirectChildrenOnly);
}

}  // namespace

void KeepNormalRect(QWidget* window) {
    if (window == nullptr || keeperOf(window) != nullptr) return;
    new NormalRectKeeper(window);
}

QRect normalRectOf(const QWidget* window) {
    if (window->isWindow()) {
        const QRect normal = window->normalGeometry();
        return normal.isValid() ? normal : window->geometry();
    }
    if (!(window->windowState() & kNotNormal)) return window->geometry();
    if (const NormalRectKeeper* keeper = keeperOf(window)) {
        if (keeper->rect().isValid()) return keeper->rect();
    }
    return window->geometry();
}

}  // namespace corvell::ui
