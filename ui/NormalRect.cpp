#include "ui/NormalRect.h"

#include <QEvent>
#include <QWidget>

namespace corvell::ui {
namespace {

// A child object of the window it watches. The toolkit moves and sizes a child window that is
// minimised or maximised with its new state already set, and one that is restored only after its
// state is normal again, so every rectangle taken here is a normal one.
class NormalRectKeeper : public QObject {
  public:
    explicit NormalRectKeeper(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("normalRectKeeper"));
        take();
        window->installEventFilter(this);
    }
    QRect rect() const { return rect_; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ &&
            (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            take();
        }
        return false;
    }

  private:
    void take() {
        if (window_->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) return;
        rect_ = window_->geometry();
    }

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
    if (const NormalRectKeeper* keeper = keeperOf(window)) {
        if (keeper->rect().isValid()) return keeper->rect();
    }
    return window->geometry();
}

}  // namespace corvell::ui
