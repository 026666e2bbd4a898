#include "ui/DragByFace.h"

#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "ui/Geometry.h"

namespace corvell::ui {
namespace {

// Follows the mouse on the face (which holds the press's grab) until the release. Inside the
// main area the point the user holds stays in the area, so the panel can always be taken back.
class FaceDrag : public QObject {
  public:
    FaceDrag(QWidget* frame, QWidget* face, const QMouseEvent& press)
        : QObject(face),
          frame_(frame),
          startGlobal_(press.globalPosition()),
          startPos_(frame->pos()),
          held_(face->mapTo(frame, press.position().toPoint())) {
        face->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (frame_ && move->buttons().testFlag(Qt::LeftButton)) {
                QPoint to = startPos_ + (move->globalPosition() - startGlobal_).toPoint();
                if (const QWidget* area = frame_->isWindow() ? nullptr : frame_->parentWidget()) {
                    // Clear of the scroll bars the area shows once the panel sticks out.
                    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
                    const QRect inside = area->rect().adjusted(0, 0, -bar, -bar);
                    const QPoint held = to + held_;
                    to += QPoint(std::clamp(held.x(), inside.left(), inside.right()),
                                 std::clamp(held.y(), inside.top(), inside.bottom())) -
                          held;
                }
                frame_->move(to);
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
    QPoint held_;  // the point of the frame under the mouse
};

}  // namespace

void DragByFace(QWidget* panel, QWidget* face, const QMouseEvent& press) {
    if (press.button() != Qt::LeftButton) return;
    QWidget* frame = windowFrameOf(panel);
    if (frame->isWindow() && frame->windowHandle() != nullptr &&
        frame->windowHandle()->startSystemMove()) {
        return;
    }
    new FaceDrag(frame, face, press);
}

}  // namespace corvell::ui
