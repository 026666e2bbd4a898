#include "app/ProgramPanels.h"

#include "core/LocaleProcs.h"
#include "core/ProgramObjects.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "memory/frmMch.h"
#include "panels/common/ToneSquelchKey.h"
#include "panels/dialogs/DlgAFOption.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "panels/dsp/DspLogic.h"
#include "panels/dsp/frmDSP.h"
#include "panels/dtmf/dlgDTMFmessage.h"
#include "panels/dtmf/dlgDTMFoption.h"
#include "panels/dtmf/frmDTMF.h"
#include "panels/mode/frmMode.h"
#include "panels/radio/frmRadio.h"
#include "panels/receiver/frmReceiver.h"
#include "panels/tuner/frmTuner.h"
#include "scan/DlgScanOption.h"
#include "scan/ScanStop.h"
#include "scan/frmScanPad.h"
#include "scan/frmScope.h"
#include "shell/frmMain.h"
#include "ui/Fonts.h"

namespace corvell::app {

ProgramPanels::ProgramPanels(frmTesselbase& receiver) : rx_(receiver) {}

ProgramPanels::~ProgramPanels() {
    // A tone dialog the frame never took over is still ours.
    delete tone_.data();
}

bool ProgramPanels::dialogVisible() const {
    return tone_ && tone_->isVisible();
}

void ProgramPanels::DispOn() {
    toneDialog().DispOn();
}

void ProgramPanels::DispOff() {
    if (tone_) tone_->DispOff();
}

panels::DlgCtcssOption& ProgramPanels::toneDialog() {
    // The frame owns it once it has asked for it; until then the first panel that needs it
    // makes it, and the frame's own request hands over the same window.
    if (!tone_) tone_ = new panels::DlgCtcssOption(rx_, ProgramProfile());
    return *tone_;
}

panels::dlgDTMFmessage* ProgramPanels::messageWindow() const {
    if (!frame_) return nullptr;
    return dynamic_cast<panels::dlgDTMFmessage*>(frame_->dialog("DTMFM", true));
}

ui::TunerKeyTarget* ProgramPanels::tuningPanel() const {
    const int mode = frame_ ? frame_->PanelMode() : 0;
    return panels::KeyTargetForPanelMode(mode, tuner_.data(), radio_.data(), receiverPanel_.data());
}

void ProgramPanels::Tuner_Key_Operation(int keyCode, int shift) {
    if (ui::TunerKeyTarget* target = tuningPanel()) target->Tuner_Key_Operation(keyCode, shift);
}

std::array<shell::PanelFactory, shell::kPanelCount> ProgramPanels::panelFactories() {
    const ui::LocaleFont locale = ui::ProgramLocaleFont(IsJapaneseLocale());
    panels::ToneSquelchDialog* toneKey = this;
    auto keys = [this] { return tuningPanel(); };
    // One row per slot, in the frame's fixed order.
    return {{
        /* frmRadio */
        [this, toneKey, locale] {
            radio_ = new panels::frmRadio({rx_, ProgramMemory(), ProgramMemoryList(), toneKey});
            radio_->setLocaleFont(locale);
            return shell::framePanel(radio_.data());
        },
        /* frmReceiver */
        [this, locale] {
            receiverPanel_ = new panels::frmReceiver(
                {rx_, ProgramMemory(), ProgramMemoryList(), ProgramSettings(), &toneDialog()},
                nullptr, nullptr, locale);
            return shell::framePanel(receiverPanel_.data());
        },
        /* frmScanPad */
        [this] {
            scanPad_ = new frmScanPad(rx_, *ScanCtrl());
            scanPad_->setModeTuningPanel(this);
            return shell::framePanel(scanPad_.data());
        },
        /* frmScope */
        [this] {
            scope_ = new frmScope(rx_);
            scope_->setModeTuningPanel(this);
            return shell::framePanel(scope_.data());
        },
        /* frmMode */
        [this, toneKey] {
            QPointer<frmScope>* scope = &scope_;
            auto* mode = new panels::frmMode({rx_, ProgramMemory(), toneKey,
                                              [scope] {
                                                  if (*scope) (*scope)->DISP();
                                              }},
                                             this);
            return shell::framePanel(mode);
        },
        /* frmTuner */
        [this, locale] {
            tuner_ = new panels::frmTuner(
                {rx_, ProgramMemory(), ProgramMemoryList(), ProgramSettings()});
            tuner_->setLocaleFont(locale);
            return shell::framePanel(tuner_.data());
        },
        /* frmDTMF */
        [this, keys] {
            panels::frmDTMF::Neighbours n{rx_, keys, [this] { return messageWindow(); }};
            return shell::framePanel(new panels::frmDTMF(std::move(n)));
        },
        /* frmDSP */
        [this, keys] { return shell::framePanel(new panels::frmDSP(rx_, keys)); },
        /* frmMch */
        [] { return shell::framePanel(new frmMch(ProgramMemoryList())); },
    }};
}

shell::DialogFactory ProgramPanels::scanOption() {
    return
        // Owned by the main window, so the window manager keeps it above that window.
        [this] {
            return shell::frameDialog(new DlgScanOption(rx_, *ScanCtrl(), ProgramMemory(), frame_));
        };
}

shell::DialogFactory ProgramPanels::ctcss() {
    return [this] { return shell::frameDialog(&toneDialog()); };
}

shell::DialogFactory ProgramPanels::dtmfOption() {
    return
        [this] { return shell::frameDialog(new panels::dlgDTMFoption(rx_.DtmfOption(), frame_)); };
}

shell::DialogFactory ProgramPanels::dtmfMessage() {
    return [] { return shell::frameDialog(new panels::dlgDTMFmessage()); };
}

shell::DialogFactory ProgramPanels::afOption() {
    return [this] { return shell::frameDialog(new panels::DlgAFOption(rx_, ProgramSettings())); };
}

void ProgramPanels::linkLoadedFrame() {
    if (frame_ && scanPad_) scanPad_->setOptionsDialog(frame_->dialog("SCANSET"));
}

}  // namespace corvell::app
