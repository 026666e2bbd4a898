// The band-scope window: level bars of every sweep point over a frequency scale, the span, range
// and step labels, a status icon, the pause marker, five keys (on, off, pause, span down, span
// up) and click-to-tune. It draws through its own ScopeView at full size and leaves the sending
// to the sweep controller. Placement key "Band Scope Form".
// Thread contract: user-interface thread only; the heartbeat calls Task_exec.
#pragma once

#include <QLabel>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "scan/ScopeViewLogic.h"
#include "ui/ImageHotZone.h"
#include "ui/PanelWindow.h"
#include "ui/clsImgRepeat.h"

namespace corvell {

class frmTesselbase;
class ScopeDisplay;
namespace ui {
class SkinPicture;
}

class frmScope : public ui::PanelWindow, private ScopeViewWidgets {
    Q_OBJECT

  public:
    static constexpr int kButtons = 5;
    static constexpr int kSkinId = 1101;

    // `environment` drives press-and-hold (tests pass a manual one; null = the system's).
    explicit frmScope(frmTesselbase& receiver, QWidget* parent = nullptr,
                      ui::HoldEnvironment* environment = nullptr);
    ~frmScope() override;

    void Init(ui::PanelOwner& owner) override;
    void Task_exec() override;
    void imgRepeat_exec() override;
    void imgRepeat_disp() override { DISP(); }
    // Redraws the key pictures, the status icon and the marker.
    void DISP();
    // Clears every picture and draws scale and trace afresh.
    void ScopeRefreshDisp();
    // The router that passes this window's keyboard keys on to the tuning panel of the current
    // panel mode (wired by the program's panel set).
    void setModeTuningPanel(ui::TunerKeyTarget* router) { modeTuningPanel_ = router; }

    // For tests and the screenshots.
    ScopeView& view() { return logic_.view(); }
    ScopeDisplay& display() { return *disp_; }
    ui::ImageHotZone& img(int i) { return *img_.at(i - 1); }
    ui::ImageHotZone& statusIcon() { return *err_; }
    ui::clsImgRepeat& repeater() { return repeater_; }
    QWidget& powerOffCover() { return *powerOff_; }
    QString labelText(int which) const;  // 0 span, 1 left, 2 right, 3 step
    int redrawPeriod() const { return logic_.pacing.period; }

  protected:
    void onLoad() override;
    bool onQueryUnload(ui::UnloadMode mode) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void LayoutScope();
    void LayoutPanel();
    // ScopeViewWidgets
    void showLabels(const ScopeLabels& labels) override;
    void showStatusIcon(int imageId) override;
    void showPicture(const QImage& picture) override;
    void showMarker(std::optional<int> column) override;
    void ReadMemoryState();
    void imageDown(int index, int button, int shift, float x, float y);

    frmTesselbase& rx_;
    ui::clsImgRepeat repeater_;
    ui::TunerKeyTarget* modeTuningPanel_ = nullptr;
    ScopeViewLogic logic_{rx_, kScopeWindowGeometry, *this};

    ui::SkinPicture* panel_ = nullptr;
    std::array<ui::ImageHotZone*, kButtons> img_{};
    std::array<int16_t, 8> wantedId_{};
    std::array<int16_t, 8> shownId_{};
    ui::ImageHotZone* err_ = nullptr;
    QWidget* powerOff_ = nullptr;
    ScopeDisplay* disp_ = nullptr;
    QWidget* status_ = nullptr;
    QLabel* lblRangeNo_ = nullptr;
    std::array<QLabel*, 2> lblRangeFrq_{};
    QLabel* lblRangeTs_ = nullptr;

    bool isBlank_ = false;
    bool chIsBlank_ = false;
    bool inDisp_ = false;
};

}  // namespace corvell
