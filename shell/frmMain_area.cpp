// The main area the panels live in: every panel within the user's reach.
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "shell/frmMain.h"
#include "ui/Geometry.h"

namespace corvell::shell {

void frmMain::BringPanelsIntoArea() {
    // Before the frame is first shown the toolkit has not laid it out at its size yet.
    for (QWidget* w : {static_cast<QWidget*>(this), centralWidget()}) {
        w->layout()->invalidate();
        w->layout()->activate();
    }
    // The whole area, in the panels' coordinates with nothing scrolled.
    const QRect area(QPoint(0, 0), mdi_->contentsRect().size());
    for (QMdiSubWindow* sub : subs_) {
        if (sub == nullptr || (sub->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
            continue;
        }
        const QRect inside = ui::MovedInto(sub->geometry(), area);
        if (inside.topLeft() != sub->pos()) sub->move(inside.topLeft());
    }
}

}  // namespace corvell::shell
