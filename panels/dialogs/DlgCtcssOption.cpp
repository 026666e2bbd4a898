#include "panels/dialogs/DlgCtcssOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/ToneList.h"
#include "ui/DialogFlags.h"
#include "ui/Geometry.h"

namespace corvell::panels {

DlgCtcssOption::DlgCtcssOption(frmTesselbase& rx, clsProfileIO& profile, QWidget* parent)
    : ui::Form(parent, ui::fixedDialogFlags(Qt::Tool) | Qt::WindowStaysOnTopHint),
      profile_(profile),
      logic_(rx),
      cmbTONE_(new QComboBox(this)),
      check1_(new QCheckBox(QStringLiteral("ON"), this)),
      cmdOk_(new QPushButton(QStringLiteral("Close"), this)) {
    setCaption(QStringLiteral("TONE SQUELCH"));
    auto* row = new QHBoxLayout;
    row->addWidget(cmbTONE_);
    row->addWidget(check1_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(cmdOk_);
    connect(cmbTONE_, &QComboBox::activated, this, [this](int index) { logic_.pick(index); });
    connect(cmdOk_, &QPushButton::clicked, this, [this] { hide(); });
}

void DlgCtcssOption::onLoad() {
    logic_.load(profile_);
    std::vector<std::string> tones;
    BuildCtcssToneList(tones);
    const QSignalBlocker block(cmbTONE_);
    cmbTONE_->clear();
    for (const std::string& tone : tones) cmbTONE_->addItem(QString::fromStdString(tone));
    ui::KeepFormOnScreen(this);
}

void DlgCtcssOption::onUnload() {
    logic_.save(profile_);
}

void DlgCtcssOption::showIndex(int index) {
    const QSignalBlocker block(cmbTONE_);
    cmbTONE_->setCurrentIndex(index);
}

void DlgCtcssOption::MoveHere() {
    showIndex(logic_.currentTone());
    const QPoint at = QCursor::pos();
    move(at.x() - width() / 2, at.y() - height());
}

void DlgCtcssOption::Task_exec() {
    if (!isVisible()) return;
    const CtcssToneLogic::Step step = logic_.Task_exec();
    if (cmbTONE_->isEnabled() != step.enabled) cmbTONE_->setEnabled(step.enabled);
    if (step.showIndex) showIndex(*step.showIndex);
}

void DlgCtcssOption::ctcss_on() {
    logic_.ctcss_on();
    showIndex(logic_.rememberedTone());
}

void DlgCtcssOption::DispOn() {
    ctcss_on();
    show();
    raise();
    activateWindow();
}

bool DlgCtcssOption::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) raise();
    return ui::Form::event(event);
}

}  // namespace corvell::panels
