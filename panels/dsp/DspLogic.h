// What the DSP panel does, without drawing: the three switches and the NR-level knob over the
// receiver's DSP settings, the wanted ids of its keys and lamps, and the knob pointer's angle
// and end points. The window (frmDSP) paints what this decides through DspView.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

#include "panels/common/ImagePlace.h"
#include "panels/common/PanelImages.h"

namespace corvell {
class frmTesselbase;
}
namespace corvell::ui {
class clsImgRepeat;
class TunerKeyTarget;
}  // namespace corvell::ui

namespace corvell::panels {

inline constexpr int kDspImageCount = 7;
inline constexpr int16_t kDspSkinId = 1801;
inline constexpr int16_t kDspKeyPressedId = 1502;
inline constexpr int16_t kDspLampLitId = 1503;
inline constexpr int16_t kDspOnLampId = 1504;

using DspImage = ImagePlace;
// Images 1..7: DSP, ANF and NR keys, the NR-level knob, the DSP, ANF and NR lamps.
const DspImage* DspImages();

class DspView {
  public:
    virtual void redraw() = 0;
    // The knob pointer: a white line between two skin points.
    virtual void drawPointer(int x1, int y1, int x2, int y2) = 0;

  protected:
    ~DspView() = default;
};

class DspLogic {
  public:
    DspLogic(frmTesselbase& rx, ui::clsImgRepeat& repeater, PanelImages& images, DspView& view);

    void ImgKey_Operation();
    void DispIndicators();
    void DrawNrLevelKnob();
    int16_t knobAngle() const { return knobAngle_; }

    // The pointer angle of a level in degrees (screen y down; -90 points up).
    static int16_t KnobAngle(int32_t level);
    struct Line {
        int x1, y1, x2, y2;
        bool operator==(const Line&) const = default;
    };
    static Line PointerLine(int16_t angleDegrees);
    // The knob's centre from its hot zone (418, 32 with the layout).
    static int kCentreX();
    static int kCentreY();

  private:
    frmTesselbase& rx_;
    ui::clsImgRepeat& repeater_;
    PanelImages& images_;
    DspView& view_;
    int16_t knobAngle_ = 0;
};

// Where the DSP panel sends keyboard keys: the tuning panel of the panel mode (0 SIMPLE the tuner,
// 1 RADIO the radio, 2 RECEIVER the receiver panel); null for any other mode.
ui::TunerKeyTarget* KeyTargetForPanelMode(int panelMode, ui::TunerKeyTarget* tuner,
                                          ui::TunerKeyTarget* radio, ui::TunerKeyTarget* receiver);

}  // namespace corvell::panels
