#include "ui/DragByFace.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "ui/Geometry.h"

namespace corvell::ui {
namespace {

// Follows the mouse on the face (which holds the press's grab) until the release.
class FaceDrag : public QObject {
  public:
    FaceDrag(QWidget* frame, QWidget* face, QPointF startGlobal)
        : QObject(face), frame_(frame), startGlobal_(startGlobal), startPos_(frame->pos()) {
        face->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (frame_ && move->buttons().testFlag(Qt::LeftButton)) {
                frame_->move(startPos_ + (move->globalPosition() - startGlobal_).toPoint());
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            deleteLater();
            return true;
        }
        return false;
    }

  private:
    QPointer<QWidget> frame_;
    QPointF startGlobal_;
    QPoint startPos_;
};

}  // namespace

void DragByFace(QWidget* panel, QWidget* face, const QMouseEvent& press) {
    if (press.button() != Qt::LeftButton) return;
    QWidget* frame = windowFrameOf(panel);
    if (frame->isWindow() && frame->windowHandle() != nullptr &&
        frame->windowHandle()->startSystemMove()) {
        return;
    }
    new FaceDrag(frame, face, press.globalPosition());
}

}  // namespace corvell::ui
