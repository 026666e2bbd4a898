// The mode panel window: the 512 x 126 skin with its 16 keys and 11 indicators, and the three
// sliders for AF gain, squelch and IF shift (0..255). What the keys do and what the images show
// is decided by ModeLogic; the window keeps the sliders in step with the receiver without ever
// writing a value back that it only received. Key-down goes to the tuner panel; a close from the
// window sends "MODE" to the owner and is refused.
// Thread contract: user-interface thread only.
#pragma once

#include <QScrollBar>

#include "panels/common/DrawnPanel.h"
#include "panels/mode/ModeLogic.h"

namespace corvell::panels {

class frmMode : public DrawnPanel {
    Q_OBJECT

  public:
    // The neighbours outlive the panel. `modeTuningPanel` passes the panel's keyboard keys on to
    // the tuning panel of the current panel mode (null: none). `hold` drives press-and-hold (null:
    // the system clock and mouse).
    frmMode(const ModeLogic::Neighbours& neighbours, ui::TunerKeyTarget* modeTuningPanel,
            QWidget* parent = nullptr, ui::HoldEnvironment* hold = nullptr);
    ~frmMode() override;

    void Task_exec() override;
    void SyncSliders();

    ModeLogic& logic() { return logic_; }
    // sldAfgain(0) AF gain, sldAfgain(1) squelch.
    QScrollBar* sldAfgain(int i) const { return i == 0 ? afgain_ : squelch_; }
    QScrollBar* sldIFShift(int) const { return ifshift_; }

  protected:
    void onLoad() override;
    void DispIndicators() override { logic_.DispIndicators(); }
    void ImgKey_Operation() override { logic_.ImgKey_Operation(); }
    void onPanelKey(int keyCode, int shift) override;

  private:
    void LayoutPanel();

    frmTesselbase& rx_;
    ui::TunerKeyTarget* modeTuningPanel_;
    QScrollBar* afgain_;
    QScrollBar* squelch_;
    QScrollBar* ifshift_;
    ModeLogic logic_;
};

}  // namespace corvell::panels
