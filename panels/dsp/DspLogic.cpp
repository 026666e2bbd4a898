#include "panels/dsp/DspLogic.h"

#include <cmath>

#include "core/ValueProcs.h"
#include "core/clsDSPdata.h"
#include "core/frmTesselbase.h"
#include "ui/Twips.h"
#include "ui/clsImgRepeat.h"

namespace corvell::panels {
namespace {

constexpr DspImage kImages[] = {
    {0, 0, 0, 0, 0, ""},
    {1, 78, 36, 29, 11, "DSP"},
    {2, 211, 36, 29, 11, "ANF"},
    {3, 347, 36, 29, 11, "NR"},
    {4, 396, 7, 43, 46, "NR LEVEL"},
    {5, 42, 36, 27, 9, "DSP LAMP"},
    {6, 175, 36, 27, 9, "ANF LAMP"},
    {7, 311, 36, 27, 9, "NR LAMP"},
};

int roundInt(double v) {
    return static_cast<int>(ui::roundHalfEven(v));
}

}  // namespace

const DspImage* DspImages() {
    return kImages;
}

int DspLogic::kCentreX() {
    const DspImage& knob = kImages[4];
    return roundInt(knob.width / 2.0 + knob.x);
}

int DspLogic::kCentreY() {
    const DspImage& knob = kImages[4];
    return roundInt(knob.height / 2.0 + knob.y + 2);
}

DspLogic::DspLogic(frmTesselbase& rx, ui::clsImgRepeat& repeater, PanelImages& images,
                   DspView& view)
    : rx_(rx), repeater_(repeater), images_(images), view_(view) {}

void DspLogic::ImgKey_Operation() {
    if (rx_.Power() == 0) return;
    clsDSPdata& d = rx_.DSPdata();
    const bool first = repeater_.RepeatStat() == 1;
    switch (repeater_.RepeatIndex()) {
        case 1:
            if (d.enable() && first) d.setAfon(!d.afon());
            break;
        case 2:
            if (d.enable() && d.afon() && first) d.setAnf(!d.anf());
            break;
        case 3:
            if (d.enable() && d.afon() && first) d.setNr(!d.nr());
            break;
        case 4:
            if (d.enable() && d.afon()) {
                int32_t level = d.nrlevel() + (repeater_.RepeatButton() == 1 ? -1 : 1);
                d.setNrlevel(level);
            }
            break;
        default:
            break;
    }
    DrawNrLevelKnob();
    view_.redraw();
}

void DspLogic::DispIndicators() {
    const int held = repeater_.RepeatIndex();
    const int stat = repeater_.RepeatStat();
    for (int i = 1; i <= 3; ++i) images_.SetKeyHeld(i, kDspKeyPressedId, held, stat);
    const clsDSPdata& d = rx_.DSPdata();
    const bool on = d.enable() && d.afon();
    images_.setWanted(5, on ? kDspOnLampId : int16_t{0});
    images_.setWanted(6, on && d.anf() ? kDspLampLitId : int16_t{0});
    images_.setWanted(7, on && d.nr() ? kDspLampLitId : int16_t{0});
}

int16_t DspLogic::KnobAngle(int32_t level) {
    const double a0 = static_cast<double>(ui::roundHalfEven(level * 255.0 / 14.0));
    return static_cast<int16_t>(ui::roundHalfEven(a0 * 1.12 - 240.0));
}

DspLogic::Line DspLogic::PointerLine(int16_t angleDegrees) {
    const double r = DegToRad(angleDegrees);
    const double cx = kCentreX(), cy = kCentreY();
    return {roundInt(cx + 6 * std::cos(r)), roundInt(cy + 6 * std::sin(r)),
            roundInt(cx + 8 * std::cos(r)), roundInt(cy + 8 * std::sin(r))};
}

void DspLogic::DrawNrLevelKnob() {
    const int16_t angle = KnobAngle(rx_.DSPdata().nrlevel());
    if (angle == knobAngle_) return;
    knobAngle_ = angle;
    const Line line = PointerLine(angle);
    view_.drawPointer(line.x1, line.y1, line.x2, line.y2);
}

ui::TunerKeyTarget* KeyTargetForPanelMode(int panelMode, ui::TunerKeyTarget* tuner,
                                          ui::TunerKeyTarget* radio, ui::TunerKeyTarget* receiver) {
    switch (panelMode) {
        case 0:
            return tuner;
        case 1:
            return radio;
        case 2:
            return receiver;
        default:
            return nullptr;
    }
}

}  // namespace corvell::panels
