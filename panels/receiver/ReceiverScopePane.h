// The receiver panel's band-scope pane: the half-size scope picture with its label strip, status
// icon and pause marker, drawn through its own ScopeView (201 x 60, centre column 100) and its
// own record of changed points, so the scope window's geometry never leaks into it.
// Thread contract: user-interface thread only.
#pragma once

#include <QLabel>
#include <array>

#include "scan/ScopeViewLogic.h"

namespace corvell {
class frmTesselbase;
class ScopeDisplay;
namespace ui {
class ImageHotZone;
}
}  // namespace corvell

namespace corvell::panels {

class ReceiverScopePane : private ScopeViewWidgets {
  public:
    static constexpr int kLeft = 139;
    static constexpr int kTop = 120;

    // Creates the pane's widgets on `panel`.
    ReceiverScopePane(frmTesselbase& rx, QWidget* panel);

    // At load: widgets placed, set-up, pause released, a paint pending.
    void LayoutScope();
    ScopeViewLogic& logic() { return logic_; }
    ScopeDisplay& display() { return *disp_; }
    ui::ImageHotZone& statusIcon() { return *err_; }
    // 0 span, 1 left edge, 2 right edge, 3 step.
    QString labelText(int which) const;

  private:
    void showLabels(const ScopeLabels& labels) override;
    void showStatusIcon(int imageId) override;
    void showPicture(const QImage& picture) override;
    void showMarker(std::optional<int> column) override;

    ScopeViewLogic logic_;
    ScopeDisplay* disp_;
    QWidget* status_;
    std::array<QLabel*, 4> labels_{};
    ui::ImageHotZone* err_;
};

}  // namespace corvell::panels
