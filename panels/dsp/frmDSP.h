// The DSP panel window: the skin with its keys, lamps and NR-level knob, the knob's pointer line,
// and the keyboard passed on to the tuning panel of the current panel mode. What the keys do and
// what the images show is decided by DspLogic. A close from the window sends "DSP" to the owner,
// which hides the panel.
// Thread contract: user-interface thread only.
#pragma once

#include <functional>

#include "panels/common/DrawnPanel.h"
#include "panels/dsp/DspLogic.h"

namespace corvell::panels {

// The knob pointer: one line drawn over the skin; clicks go through it.
class KnobPointer : public QWidget {
    Q_OBJECT

  public:
    explicit KnobPointer(QWidget* parent);
    void setLine(QLine line);
    QLine line() const { return line_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLine line_;
};

class frmDSP : public DrawnPanel, private DspView {
    Q_OBJECT

  public:
    // Gives the panel that keyboard keys go to now (by the main window's panel mode; see
    // KeyTargetForPanelMode), or null.
    using KeyTarget = std::function<ui::TunerKeyTarget*()>;

    frmDSP(frmTesselbase& rx, KeyTarget keyTarget, QWidget* parent = nullptr,
           ui::HoldEnvironment* hold = nullptr);

    void Task_exec() override;
    DspLogic& logic() { return logic_; }
    KnobPointer* linVRpos() const { return pointer_; }

  protected:
    void onLoad() override;
    void DispIndicators() override { logic_.DispIndicators(); }
    void ImgKey_Operation() override { logic_.ImgKey_Operation(); }
    void onPanelKey(int keyCode, int shift) override;

  private:
    void redraw() override { DispAll(); }
    void drawPointer(int x1, int y1, int x2, int y2) override;
    void LayoutPanel();

    KeyTarget keyTarget_;
    KnobPointer* pointer_;
    DspLogic logic_;
};

}  // namespace corvell::panels
