// The DTMF panel window: the skin with the received characters as glyphs, the DTMF and remote
// keys with their lamps and the key that opens the option dialog. On every heartbeat tick it
// decodes, visible or not, and runs the remote actions through RemoteActions; its own
// one-second timer clears the received string after five seconds of silence. Keyboard keys go
// to the tuning panel of the current panel mode. A close from the window sends "DTMF" to the
// owner, which hides the panel; every close request saves the DTMF settings.
// Thread contract: user-interface thread only.
#pragma once

#include <QTimer>
#include <functional>
#include <memory>

#include "panels/common/DrawnPanel.h"
#include "panels/dtmf/DtmfDecoder.h"
#include "panels/dtmf/DtmfPanelLogic.h"
#include "panels/dtmf/RemoteActions.h"

namespace corvell {
class clsDtmfOption;
}
namespace corvell::ui {
class SoundPlayer;
}

namespace corvell::panels {

class dlgDTMFmessage;

class frmDTMF : public DrawnPanel, private DtmfView {
    Q_OBJECT

  public:
    struct Neighbours {
        frmTesselbase& rx;  // the receiver; its DtmfOption holds the settings
        // The tuning panel keyboard keys go to now (by the main window's panel mode; see
        // KeyTargetForPanelMode), or null.
        std::function<ui::TunerKeyTarget*()> keyTarget;
        // The main window's message pop-up, created there when it has none yet. Without it the
        // panel keeps a pop-up of its own.
        std::function<dlgDTMFmessage*()> messageWindow;
        // Plays the sound files of sound entries; null: the panel's own Qt Multimedia player.
        ui::SoundPlayer* sound = nullptr;
        // Relative file names of the entries are found here and started programs run here.
        std::string actionDirectory = RemoteActionDirectory();
    };

    explicit frmDTMF(Neighbours neighbours, QWidget* parent = nullptr,
                     ui::HoldEnvironment* hold = nullptr);
    ~frmDTMF() override;

    void Task_exec() override;
    // The one-second timer's work (idle clear); the timer calls it.
    void Timer1_Timer() { decoder_.Timer1_Timer(); }

    const DtmfDecoder& decoder() const { return decoder_; }
    bool timer1Running() const { return timer1_.isActive(); }

  protected:
    void onLoad() override;
    bool onQueryUnload(ui::UnloadMode mode) override;
    void DispIndicators() override { logic_.DispIndicators(); }
    void ImgKey_Operation() override { logic_.ImgKey_Operation(); }
    void onPanelKey(int keyCode, int shift) override;

  private:
    void redraw() override { DispAll(); }
    void sendKeyAction(const std::string& word) override;
    void showMessage(const std::string& text);
    void LayoutPanel();

    frmTesselbase& rx_;
    clsDtmfOption& option_;
    std::function<ui::TunerKeyTarget*()> keyTarget_;
    std::function<dlgDTMFmessage*()> messageWindow_;
    std::unique_ptr<ui::SoundPlayer> ownSound_;
    std::unique_ptr<dlgDTMFmessage> ownMessage_;
    RemoteActions actions_;
    DtmfDecoder decoder_;
    DtmfPanelLogic logic_;
    QTimer timer1_;
};

}  // namespace corvell::panels
