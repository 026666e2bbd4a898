#include "panels/dsp/frmDSP.h"

#include <QPainter>

#include "ui/Geometry.h"

namespace corvell::panels {

KnobPointer::KnobPointer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void KnobPointer::setLine(QLine line) {
    line_ = line;
    update();
}

void KnobPointer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(line_);
}

frmDSP::frmDSP(frmTesselbase& rx, KeyTarget keyTarget, QWidget* parent, ui::HoldEnvironment* hold)
    : DrawnPanel({QStringLiteral("DSP Form"), kDspSkinId, kDspImageCount, "DSP", false, hold},
                 parent),
      keyTarget_(std::move(keyTarget)),
      pointer_(new KnobPointer(this)),
      logic_(rx, repeater(), images(), *this) {
    setCaption(QStringLiteral("DSP Form"));
}

void frmDSP::onLoad() {
    LayoutPanel();
    ui::KeepFormOnScreen(this);
}

void frmDSP::LayoutPanel() {
    clearLayout();
    placeImages(DspImages(), kDspImageCount);
    pointer_->setGeometry(rect());
}

void frmDSP::Task_exec() {
    if (isVisible()) logic_.DrawNrLevelKnob();
}

void frmDSP::onPanelKey(int keyCode, int shift) {
    if (!keyTarget_) return;
    if (ui::TunerKeyTarget* target = keyTarget_()) target->Tuner_Key_Operation(keyCode, shift);
}

void frmDSP::drawPointer(int x1, int y1, int x2, int y2) {
    pointer_->setLine(QLine(x1, y1, x2, y2));
    if (!pointer_->isVisible()) pointer_->show();
    pointer_->raise();
}

}  // namespace corvell::panels
