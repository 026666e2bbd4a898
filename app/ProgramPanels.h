// The program's panels and dialogs: for each of the nine panel slots and the five dialogs, the
// factory that makes its window with its neighbours, and the links between them that only the
// whole program knows (keyboard keys to the tuning panel of the panel mode, the mode panel's
// call to the scope window, the tone-squelch dialog the tuning panels open, the DTMF pop-up).
// Thread contract: user-interface thread only.
#pragma once

#include <QPointer>
#include <array>

#include "panels/common/ToneSquelchKey.h"
#include "shell/FrameParts.h"
#include "shell/PanelSlots.h"
#include "ui/PanelWindow.h"

namespace corvell {
class frmTesselbase;
class frmScope;
class frmScanPad;
}  // namespace corvell

namespace corvell::shell {
class frmMain;
}

namespace corvell::panels {
class frmTuner;
class frmRadio;
class frmReceiver;
class dlgDTMFmessage;
}  // namespace corvell::panels

namespace corvell::app {

class ProgramPanels : public ui::TunerKeyTarget, public panels::ToneSquelchDialog {
  public:
    explicit ProgramPanels(frmTesselbase& receiver);
    ~ProgramPanels();
    ProgramPanels(const ProgramPanels&) = delete;
    ProgramPanels& operator=(const ProgramPanels&) = delete;

    // Set before the main window loads: the panel mode and the dialogs come from it.
    void setFrame(shell::frmMain* frame) { frame_ = frame; }

    std::array<shell::PanelFactory, shell::kPanelCount> panelFactories();
    shell::DialogFactory scanOption();
    shell::DialogFactory ctcss();
    shell::DialogFactory dtmfOption();
    shell::DialogFactory dtmfMessage();
    shell::DialogFactory afOption();

    // After the main window has loaded: links to the dialogs it made.
    void linkLoadedFrame();

    // Keyboard keys of the panels without a key pad go to the tuning panel of the panel mode.
    void Tuner_Key_Operation(int keyCode, int shift) override;
    ui::TunerKeyTarget* tuningPanel() const;

    // The tone-squelch dialog as the radio and mode panels reach it, made on first use.
    bool dialogVisible() const override;
    void DispOn() override;
    void DispOff() override;

  private:
    panels::DlgCtcssOption& toneDialog();
    panels::dlgDTMFmessage* messageWindow() const;

    frmTesselbase& rx_;
    shell::frmMain* frame_ = nullptr;
    QPointer<panels::DlgCtcssOption> tone_;
    QPointer<panels::frmTuner> tuner_;
    QPointer<panels::frmRadio> radio_;
    QPointer<panels::frmReceiver> receiverPanel_;
    QPointer<frmScope> scope_;
    QPointer<frmScanPad> scanPad_;
};

}  // namespace corvell::app
