#include "ui/PanelWindow.h"

namespace corvell::ui {

PanelWindow::PanelWindow(QString placementKey, QWidget* parent, Qt::WindowFlags flags)
    : Form(parent, flags), placementKey_(std::move(placementKey)) {}

}  // namespace corvell::ui
