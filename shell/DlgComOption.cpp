#include "shell/DlgComOption.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/clsSettingTessel.h"
#include "core/frmTesselbase.h"
#include "ui/DialogFlags.h"
#include "ui/Geometry.h"
#include "ui/Twips.h"

namespace corvell::shell {

namespace {
int px(int twips) {
    return ui::twipsToPixels(twips);
}
}  // namespace

DlgComOption::DlgComOption(frmTesselbase& receiver, const clsSettingTessel& settings,
                           QWidget* parent)
    : QDialog(parent), receiver_(receiver), settings_(settings) {
    setObjectName("DlgComOption");
    setWindowTitle(QStringLiteral("COM Port Setting"));
    setWindowFlags(ui::fixedDialogFlags(Qt::Dialog) | Qt::WindowStaysOnTopHint);
    setFixedSize(px(3975), px(1305));
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(px(120), px(120), px(3735), px(675));
    auto* label = new QLabel(QStringLiteral("RS-232C Port"), panel);
    label->setGeometry(px(120), px(180), px(1395), px(240));
    cboCom_ = new QComboBox(panel);
    cboCom_->setObjectName("cboCom");
    cboCom_->move(px(2040), px(120));
    cboCom_->resize(px(1575), cboCom_->sizeHint().height());
    cmdOk_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOk_->setObjectName("cmdOk");
    cmdOk_->setGeometry(px(2655), px(885), px(1215), px(360));
    // Cancel answers Esc but lies below the visible client area.
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName("cmdCancel");
    cmdCancel_->setGeometry(px(2655), px(1400), px(1215), px(360));
    connect(cmdOk_, &QPushButton::clicked, this, &DlgComOption::onOk);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cboCom_, &QComboBox::activated, this, [this] { cmdOk_->setDefault(true); });
}

void DlgComOption::LoadDialog() {
    cboCom_->clear();
    for (int i = 0; i < 10; ++i) cboCom_->addItem(QStringLiteral("COM ") + QString::number(i + 1));
    cboCom_->setCurrentIndex(std::clamp(receiver_.ComPortNum() - 1, 0, 9));
    cmdCancel_->setEnabled(settings_.COMPort != 0);
    ui::KeepFormOnScreen(this);
}

bool DlgComOption::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) activated();
    return QDialog::event(e);
}

void DlgComOption::activated() {
    const bool wanted = receiver_.Power() == 0;
    if (cboCom_->isEnabled() != wanted) cboCom_->setEnabled(wanted);
}

void DlgComOption::onOk() {
    const int current = receiver_.ComPortNum();
    const int chosen = cboCom_->currentIndex() + 1;
    if (chosen >= 1 && chosen <= 10 && chosen != current) receiver_.setComPortNum(chosen);
    accept();
}

void DlgComOption::reject() {
    // With Cancel disabled (the first run) Esc does nothing; the close box still closes.
    if (cmdCancel_->isEnabled()) QDialog::reject();
}

void DlgComOption::closeEvent(QCloseEvent* e) {
    e->accept();
    done(QDialog::Rejected);
}

}  // namespace corvell::shell
