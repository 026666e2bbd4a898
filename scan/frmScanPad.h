// The scan pad: seven keys (program, auto memory-write and memory scan, stop, options, pause,
// VSC) with press-and-hold, five lamps, the busy lamp and FM centre indicator, the delay and
// speed sliders, the blinking condition strip and the needle S-meter. Placement key
// "Scan Form"; closing it asks the main window for "SCAN", which hides it.
// Thread contract: user-interface thread only; the heartbeat calls Task_exec. Press-and-hold
// runs on timer wake-ups and never blocks the thread.
#pragma once

#include <QPointer>
#include <QScrollBar>
#include <array>
#include <cstdint>

#include "scan/ScanPadLogic.h"
#include "ui/ImageHotZone.h"
#include "ui/PanelWindow.h"
#include "ui/clsImgRepeat.h"

namespace corvell {

class frmTesselbase;
class frmSCANctrl;
class NeedleMeter;
class ConditionStrip;
namespace ui {
class SkinPicture;
}

class frmScanPad : public ui::PanelWindow {
    Q_OBJECT

  public:
    static constexpr int kImages = 14;
    static constexpr int kSkinId = 1401;

    frmScanPad(frmTesselbase& receiver, frmSCANctrl& scan, QWidget* parent = nullptr,
               ui::HoldEnvironment* environment = nullptr);
    ~frmScanPad() override;

    void Task_exec() override;
    void imgRepeat_exec() override;
    void imgRepeat_disp() override { DispImages(); }

    // The scan options dialog whose visibility lamp 11 shows, and the router that passes this
    // window's keyboard keys on to the tuning panel of the current panel mode (both wired by the
    // program's panel set).
    void setOptionsDialog(QWidget* dialog) { options_ = dialog; }
    void setModeTuningPanel(ui::TunerKeyTarget* router) { modeTuningPanel_ = router; }

    // For tests and the screenshots.
    ui::ImageHotZone& img(int i) { return *img_.at(i - 1); }
    QScrollBar& slider(int i) { return *sld_.at(i); }
    NeedleMeter& meter() { return *meter_; }
    ConditionStrip& condition() { return *strip_; }
    ui::clsImgRepeat& repeater() { return repeater_; }

  protected:
    void onLoad() override;
    bool onQueryUnload(ui::UnloadMode mode) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void LayoutPanel();
    void DispImages();
    void SyncSliders();
    void UpdateCondition();
    void MoveNeedle();
    void UpdateBusyAndCentre();
    void ScanToggle(int16_t kind);
    void sliderMoved(int index, int value);
    void imageDown(int index, int button, int shift, float x, float y);

    frmTesselbase& rx_;
    frmSCANctrl& scan_;
    ui::clsImgRepeat repeater_;
    QPointer<QWidget> options_;
    ui::TunerKeyTarget* modeTuningPanel_ = nullptr;

    ui::SkinPicture* panel_ = nullptr;
    std::array<ui::ImageHotZone*, kImages> img_{};
    std::array<int16_t, kImages + 1> wantedId_{};
    std::array<int16_t, kImages + 1> shownId_{};
    std::array<QScrollBar*, 2> sld_{};
    NeedleMeter* meter_ = nullptr;
    ConditionStrip* strip_ = nullptr;
    ConditionBlink blink_;
    int16_t busyState_ = 0;
    bool inDisp_ = false;
    bool syncing_ = false;
};

}  // namespace corvell
