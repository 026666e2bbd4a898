#include "panels/dialogs/DlgAFOption.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/clsSettingTessel.h"
#include "core/frmTesselbase.h"
#include "ui/DialogFlags.h"
#include "ui/Geometry.h"

namespace corvell::panels {
namespace {

QGroupBox* pairBox(const QString& title, QRadioButton* a, QRadioButton* b, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(a);
    layout->addWidget(b);
    return box;
}

}  // namespace

DlgAFOption::DlgAFOption(frmTesselbase& rx, clsSettingTessel& settings, QWidget* parent)
    : ui::Form(parent, ui::fixedDialogFlags(Qt::Tool) | Qt::WindowStaysOnTopHint),
      rx_(rx),
      settings_(settings),
      plug0_(new QRadioButton(QStringLiteral(" MONO"))),
      plug1_(new QRadioButton(QStringLiteral(" STEREO"))),
      level0_(new QRadioButton(QStringLiteral(" SP"))),
      level1_(new QRadioButton(QStringLiteral(" LINE"))),
      cmdOk_(new QPushButton(QStringLiteral("OK"), this)) {
    setCaption(QStringLiteral("EXT-Speaker Setting"));
    auto* pairs = new QHBoxLayout;
    pairs->addWidget(pairBox(QStringLiteral(" PLUG "), plug0_, plug1_, this));
    pairs->addWidget(pairBox(QStringLiteral(" OUT-LEVEL "), level0_, level1_, this));
    auto* column = new QVBoxLayout(this);
    column->addLayout(pairs);
    column->addWidget(cmdOk_);
    for (QRadioButton* b : {plug0_, plug1_}) {
        connect(b, &QRadioButton::clicked, this, &DlgAFOption::plugClicked);
    }
    for (QRadioButton* b : {level0_, level1_}) {
        connect(b, &QRadioButton::clicked, this, &DlgAFOption::levelClicked);
    }
    connect(cmdOk_, &QPushButton::clicked, this, [this] { Unload(); });
}

void DlgAFOption::onLoad() {
    const QSignalBlocker a(plug0_), b(plug1_), c(level0_), d(level1_);
    plug0_->setChecked(settings_.Plug == 0);
    plug1_->setChecked(settings_.Plug != 0);
    level0_->setChecked(settings_.OutLevel == 0);
    level1_->setChecked(settings_.OutLevel != 0);
    ui::KeepFormOnScreen(this);
}

void DlgAFOption::plugClicked() {
    settings_.Plug = plug0_->isChecked() ? 0 : 1;
    rx_.setExtPlug(settings_.Plug);
}

void DlgAFOption::levelClicked() {
    settings_.OutLevel = level0_->isChecked() ? 0 : 1;
    rx_.setExtOutLevel(settings_.OutLevel);
}

void DlgAFOption::onUnload() {
    rx_.setAfmute(0);
}

bool DlgAFOption::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) raise();
    return ui::Form::event(event);
}

}  // namespace corvell::panels
