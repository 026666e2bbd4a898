#include "ui/Form.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "ui/Geometry.h"

namespace corvell::ui {

Form::Form(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    onLoad();
}

bool Form::Unload(UnloadMode mode) {
    if (!loaded_) return true;
    if (unloading_) return true;  // an unload is already on its way (hide() below may re-enter)
    if (!onQueryUnload(mode)) return false;
    unloading_ = true;
    hide();
    onUnload();
    loaded_ = false;
    unloading_ = false;
    emit unloaded();
    return true;
}

void Form::showEvent(QShowEvent* event) {
    // Here the window has the size it is shown at, and is not on the screen yet.
    if (!hasPosition_ && opensOver_ && isWindow() && !event->spontaneous()) {
        CentreFormOverKeptOnScreen(this, opensOver_);
    }
    hasPosition_ = true;
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    if (unloading_ || !loaded_) {
        event->accept();
        return;
    }
    if (Unload(UnloadMode::UserClose)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace corvell::ui
