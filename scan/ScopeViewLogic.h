// A scope view that drives its own widgets: the shared scope actions on this view's pictures,
// the heartbeat pacing, the marker and status icon, and click-to-tune, all on the view's own
// geometry and record of drawn points. The band-scope window and the receiver panel's pane each
// own one and supply their widgets through ScopeViewWidgets. The status icon has one writer,
// ShowScopeStatus: every set-up, key and visible tick ends in it, so the icon always shows the
// state of the sweep.
// Thread contract: user-interface thread only.
#pragma once

#include <QImage>
#include <cstdint>
#include <optional>

#include "scan/ScopePacing.h"
#include "scan/ScopeRenderer.h"

namespace corvell {

class frmTesselbase;

// What a view shows on the screen.
class ScopeViewWidgets {
  public:
    // The span, range and step labels after a geometry run.
    virtual void showLabels(const ScopeLabels& labels) = 0;
    // The status icon's picture, 0 for none (called by ShowScopeStatus only).
    virtual void showStatusIcon(int imageId) = 0;
    // The composed picture to the screen (a null image clears it).
    virtual void showPicture(const QImage& picture) = 0;
    virtual void showMarker(std::optional<int> column) = 0;

  protected:
    ~ScopeViewWidgets() = default;
};

class ScopeViewLogic : public ScopePacedView {
  public:
    ScopeViewLogic(frmTesselbase& rx, const ScopeGeometry& geometry, ScopeViewWidgets& widgets);

    // ---- pacing (ScopePacedView) ----
    void ScopeReset() override;
    void ScopeSetup() override;
    int ScopeUpdate() override;
    void ScopePaint() override;
    void ScopeCheckParam() override;
    bool paintPending() const override { return view_.pictureChanged; }
    void clearPaintPending() override { view_.pictureChanged = false; }

    // At load, once the widgets are placed: set-up, pause released, a paint pending.
    void LayoutScope();

    // One visible heartbeat tick: a scan status change while scanning redraws the view, then
    // reset, set-up, update and paint as paced, then the pause marker and the status icon.
    void visibleTick();
    void hiddenTick() { pacing.hiddenTick(); }

    // Clears every picture and draws scale and bars afresh.
    void ScopeRefreshDisp();
    void ScopeMarker();
    // Unless forced, only a change of state is shown.
    void ShowScopeStatus(bool force);

    // ---- commands ----
    void ScopeOn();
    void ScopeOff();
    void ScopePauseToggle();
    // 0: span one step up, 1: one step down; then set-up and the scope command.
    void ScopeSpanStep(int direction);
    // A mouse press at picture column x; only the left button (1) tunes.
    void clickToTune(int button, int x);

    ScopeWatched watched() const;
    ScopeView& view() { return view_; }
    const ScopeView& view() const { return view_; }

    ScopePacing pacing;

  private:
    void showLabels(const ScopeLabels& labels);

    frmTesselbase& rx_;
    ScopeView view_;
    ScopeViewWidgets& widgets_;
    int32_t lastScanStatus_ = -1;
    int statusIconState_ = -1;
};

}  // namespace corvell
