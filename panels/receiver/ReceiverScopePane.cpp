#include "panels/receiver/ReceiverScopePane.h"

#include "scan/ScopeDisplay.h"
#include "ui/ImageHotZone.h"

namespace corvell::panels {
namespace {

QLabel* makeLabel(QWidget* parent, int x, int y, int w, int h, int points) {
    auto* label = new QLabel(parent);
    label->setGeometry(x, y, w, h);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #00ffff; background: transparent;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

}  // namespace

ReceiverScopePane::ReceiverScopePane(frmTesselbase& rx, QWidget* panel)
    : logic_(rx, kScopePaneGeometry, *this),
      disp_(new ScopeDisplay(panel)),
      status_(new QWidget(panel)),
      err_(new ui::ImageHotZone(0, panel)) {
    err_->setIndicator(QStringLiteral("SCOPE"));
    disp_->onMouseDown = [this](int button, int x) { logic_.clickToTune(button, x); };
    // The label strip lies over the picture's top rows; clicks there still reach the picture.
    status_->setAttribute(Qt::WA_TransparentForMouseEvents);
    labels_[0] = makeLabel(status_, 37, -2, 72, 14, 9);
    labels_[1] = makeLabel(status_, 1, -2, 40, 14, 8);
    labels_[2] = makeLabel(status_, 160, -2, 40, 14, 8);
    labels_[3] = makeLabel(status_, 96, -2, 72, 14, 8);
    labels_[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void ReceiverScopePane::LayoutScope() {
    const ScopeGeometry& g = logic_.view().geometry();
    disp_->setGeometry(kLeft, kTop, g.width, g.height);
    status_->setGeometry(kLeft, kTop, g.width, 14);
    disp_->raise();
    status_->raise();
    err_->setGeometry(343, 117, 35, 14);
    logic_.LayoutScope();
}

QString ReceiverScopePane::labelText(int which) const {
    if (which < 0 || which > 3) return {};
    return labels_[static_cast<std::size_t>(which)]->text();
}

void ReceiverScopePane::showLabels(const ScopeLabels& l) {
    labels_[0]->setText(l.rangeNo);
    labels_[1]->setText(l.left);
    labels_[2]->setText(l.right);
    labels_[3]->setText(l.step);
}

void ReceiverScopePane::showStatusIcon(int imageId) {
    err_->setImageId(imageId);
}

void ReceiverScopePane::showPicture(const QImage& picture) {
    disp_->showPicture(picture);
}

void ReceiverScopePane::showMarker(std::optional<int> column) {
    disp_->setMarker(column);
}

}  // namespace corvell::panels
