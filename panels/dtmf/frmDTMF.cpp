#include "panels/dtmf/frmDTMF.h"

#include <QApplication>

#include "core/clsDtmfOption.h"
#include "core/frmTesselbase.h"
#include "panels/dtmf/dlgDTMFmessage.h"
#include "ui/Geometry.h"
#include "ui/sound/QtSoundPlayer.h"

namespace corvell::panels {
namespace {

std::unique_ptr<ui::SoundPlayer> ownPlayerUnless(const ui::SoundPlayer* given) {
    if (given) return nullptr;
    return std::make_unique<ui::QtSoundPlayer>();
}

}  // namespace

frmDTMF::frmDTMF(Neighbours n, QWidget* parent, ui::HoldEnvironment* hold)
    : DrawnPanel({QStringLiteral("DTMF Form"), kDtmfSkinId, kDtmfImageCount, "DTMF", false, hold},
                 parent),
      rx_(n.rx),
      option_(n.rx.DtmfOption()),
      keyTarget_(std::move(n.keyTarget)),
      messageWindow_(std::move(n.messageWindow)),
      ownSound_(ownPlayerUnless(n.sound)),
      actions_({[this](const std::string& text) { showMessage(text); },
                n.sound ? n.sound : ownSound_.get(), std::move(n.actionDirectory)}),
      decoder_(rx_, option_, actions_),
      logic_(rx_, option_, decoder_, repeater(), images(), *this) {
    setCaption(QStringLiteral("DTMF Form"));
    declareReadout(1, kDtmfShownCharacters + 1, QStringLiteral("Received DTMF code"),
                   ui::AccessibleReadout::plainReading);
    declareIndicator(kDtmfLampDisplay, QStringLiteral("DTMF"));
    declareIndicator(kDtmfLampRemote, QStringLiteral("REMOTE"));
    timer1_.setInterval(DtmfDecoder::kTimerMs);
    connect(&timer1_, &QTimer::timeout, this, &frmDTMF::Timer1_Timer);
}

frmDTMF::~frmDTMF() = default;

void frmDTMF::onLoad() {
    option_.remo_param_load();
    LayoutPanel();
    ui::KeepFormOnScreen(this);
    timer1_.start();
}

void frmDTMF::LayoutPanel() {
    clearLayout();
    placeImages(DtmfImages(), kDtmfImageCount);
}

void frmDTMF::Task_exec() {
    if (isVisible()) DispAll();
    decoder_.Poll();
}

bool frmDTMF::onQueryUnload(ui::UnloadMode mode) {
    const bool close = DrawnPanel::onQueryUnload(mode);
    // The settings reach the file at every close request, at the latest when the program ends.
    option_.remo_param_save();
    return close;
}

void frmDTMF::onPanelKey(int keyCode, int shift) {
    if (!keyTarget_) return;
    if (ui::TunerKeyTarget* target = keyTarget_()) target->Tuner_Key_Operation(keyCode, shift);
}

void frmDTMF::sendKeyAction(const std::string& word) {
    if (owner()) owner()->KeyAction(word);
}

void frmDTMF::showMessage(const std::string& text) {
    dlgDTMFmessage* window = messageWindow_ ? messageWindow_() : nullptr;
    if (!window) {
        if (!ownMessage_) ownMessage_ = std::make_unique<dlgDTMFmessage>();
        window = ownMessage_.get();
    }
    window->Load();
    window->show();
    window->messagedisp(text);
    QApplication::beep();
}

}  // namespace corvell::panels
