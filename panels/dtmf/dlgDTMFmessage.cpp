#include "panels/dtmf/dlgDTMFmessage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/LocaleProcs.h"
#include "resources/Artwork.h"
#include "ui/DialogFlags.h"
#include "ui/Fonts.h"
#include "ui/Geometry.h"
#include "ui/Labels.h"

namespace corvell::panels {
namespace {

constexpr int kPictureId = 502;

}  // namespace

dlgDTMFmessage::dlgDTMFmessage(QWidget* parent)
    : ui::Form(parent, ui::fixedDialogFlags(Qt::Dialog) | Qt::WindowStaysOnTopHint),
      lblDTMFmessage_(new ui::PlainLabel(this)),
      image1_(new QLabel(this)),
      cmdOk_(new QPushButton(QStringLiteral("OK"), this)) {
    setCaption(QStringLiteral("Corvell DTMF Decode Message"));
    lblDTMFmessage_->setWordWrap(true);
    lblDTMFmessage_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblDTMFmessage_->setMinimumWidth(300);
    lblDTMFmessage_->setTextInteractionFlags(Qt::NoTextInteraction);
    image1_->setFixedSize(art::artworkSize(kPictureId));
    image1_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* row = new QHBoxLayout;
    row->addWidget(image1_, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(lblDTMFmessage_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row, 1);
    column->addLayout(buttons);
    setMinimumHeight(140);

    timer1_.setInterval(kTimerMs);
    connect(&timer1_, &QTimer::timeout, this, &dlgDTMFmessage::Timer1_Timer);
    connect(cmdOk_, &QPushButton::clicked, this, [this] { Unload(); });
}

void dlgDTMFmessage::onLoad() {
    ui::SetLocaleFont14(lblDTMFmessage_, ui::ProgramLocaleFont(IsJapaneseLocale()));
    image1_->setPixmap(art::artwork(kPictureId, devicePixelRatioF()));
    adjustSize();
    ui::CentreFormOnScreen(this);
    setHasPosition();  // centred on the screen at every load
}

void dlgDTMFmessage::onUnload() {
    timer1_.stop();
    count_ = 0;
}

void dlgDTMFmessage::showEvent(QShowEvent* event) {
    restartCount();
    ui::Form::showEvent(event);
}

bool dlgDTMFmessage::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) restartCount();
    return ui::Form::event(event);
}

void dlgDTMFmessage::restartCount() {
    count_ = 0;
    timer1_.start();
}

void dlgDTMFmessage::messagedisp(const std::string& text) {
    lblDTMFmessage_->setText(QString::fromStdString(text));
    count_ = 0;
    repaint();
}

void dlgDTMFmessage::Timer1_Timer() {
    ++count_;
    if (count_ > kShowSeconds) {
        timer1_.stop();
        count_ = 0;
        Unload();
    }
}

}  // namespace corvell::panels
