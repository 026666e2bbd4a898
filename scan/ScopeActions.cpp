#include "scan/ScopeActions.h"

#include <cstdint>
#include <limits>

#include "core/ProgramObjects.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/frmScopeCtrl.h"
#include "core/frmTesselbase.h"
#include "scan/ScanStop.h"

namespace corvell {
namespace {

bool isSideband(int32_t mode) {
    return mode == 0 || mode == 1 || mode == 3;  // LSB, USB, CW
}

}  // namespace

ScopeLabels ScopeSetup(frmTesselbase& rx, ScopeView& view) {
    clsScopeSTAT& stat = rx.ScopeSTAT();
    clsScopeDATA& data = rx.ScopeDATA();
    view.applyGeometry(stat, data);
    if (rx.ScopeCtrl().SendCheck()) view.clearWave();
    view.clearBuffer();
    view.drawScale(stat, rx.ScopeCtrl().ActMode() == 0);
    view.copyScaleToBuffer();
    return scopeLabels(stat, data);
}

ScopeLabels ScopeReset(frmTesselbase& rx, ScopeView& view) {
    view.clearWave();
    const ScopeLabels labels = ScopeSetup(rx, view);
    rx.ScopeDATA().buff_clear();
    return labels;
}

ScopeLabels ScopeRefresh(frmTesselbase& rx, ScopeView& view) {
    const ScopeLabels labels = ScopeReset(rx, view);
    view.clearScale();
    view.clearBuffer();
    view.drawScale(rx.ScopeSTAT(), rx.ScopeCtrl().ActMode() == 0);
    view.copyScaleToBuffer();
    return labels;
}

ScopeLabels ScopeOn(frmTesselbase& rx, ScopeView& view) {
    rx.ScopeSTAT().setPause(0);
    rx.ScopeDATA().buff_clear();
    rx.ScopeDATA().setMode(isSideband(rx.mode()) ? 2 : 1);
    return ScopeSetup(rx, view);
}

ScopeLabels ScopeOff(frmTesselbase& rx, ScopeView& view) {
    rx.ScopeSTAT().setPause(0);
    clsScopeDATA& data = rx.ScopeDATA();
    if (data.mode() == 0) return scopeLabels(rx.ScopeSTAT(), data);
    data.buff_clear();
    data.setMode(0);
    const ScopeLabels labels = ScopeSetup(rx, view);
    view.pictureChanged = true;
    rx.SendSCOPE();
    return labels;
}

void ScopePauseToggle(frmTesselbase& rx, ScopeView& view) {
    clsScopeSTAT& stat = rx.ScopeSTAT();
    if (stat.pause() != 0) {
        stat.setPause(0);
        view.pictureChanged = true;
    } else if (rx.ScopeDATA().mode() != 0) {
        stat.setPause(-1);
    }
    rx.SendSCOPE();
}

ScopeLabels ScopeSpanStep(frmTesselbase& rx, ScopeView& view, bool up) {
    if (up) {
        rx.ScopeSTAT().RangeUp();
    } else {
        rx.ScopeSTAT().RangeDown();
    }
    const ScopeLabels labels = ScopeSetup(rx, view);
    rx.SendSCOPE();
    return labels;
}

bool ScopeClickToTune(frmTesselbase& rx, const ScopeView& view, int button, int x) {
    if (button != 1 || rx.Blank() != 0 || rx.ScopeCtrl().ActMode() == 0) return false;
    const clsScopeSTAT& stat = rx.ScopeSTAT();
    const int64_t n = scopeClickOffset(view.geometry(), x, view.spacing().pixPerPoint);
    const int64_t base = stat.pause() != 0 ? stat.CenterFreq() : rx.Frequency();
    const int64_t f = base + n * view.spacing().stepHz;
    const bool fits =
        f >= std::numeric_limits<int32_t>::min() && f <= std::numeric_limits<int32_t>::max();
    if (fits && ProgramEdges().inside(static_cast<int32_t>(f))) {
        rx.EntryFrequency(static_cast<int32_t>(f));
    }
    rx.SendSCOPE();
    ScanStop();
    return true;
}

}  // namespace corvell
