#include "scan/ScopeViewLogic.h"

#include <cstdint>

#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "core/frmScopeCtrl.h"
#include "core/frmTesselbase.h"
#include "core/objEDGES.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"

namespace corvell {
namespace {

bool isSideband(int32_t mode) {
    return mode == 0 || mode == 1 || mode == 3;  // LSB, USB, CW
}

}  // namespace

ScopeViewLogic::ScopeViewLogic(frmTesselbase& rx, const ScopeGeometry& geometry,
                               ScopeViewWidgets& widgets)
    : rx_(rx), view_(geometry), widgets_(widgets) {}

void ScopeViewLogic::ScopeSetup() {
    clsScopeSTAT& stat = rx_.ScopeSTAT();
    clsScopeDATA& data = rx_.ScopeDATA();
    view_.applyGeometry(stat, data);
    if (rx_.ScopeCtrl().SendCheck()) view_.clearWave();
    view_.clearBuffer();
    view_.drawScale(stat, rx_.ScopeCtrl().ActMode() == 0);
    view_.copyScaleToBuffer();
    widgets_.showLabels(scopeLabels(stat, data));
}

void ScopeViewLogic::ScopeReset() {
    view_.clearWave();
    ScopeSetup();
    rx_.ScopeDATA().buff_clear();
}

int ScopeViewLogic::ScopeUpdate() {
    return view_.update(rx_.ScopeDATA(), rx_.ScopeSTAT(), rx_.Frequency(), rx_.Blank() != 0);
}

void ScopeViewLogic::ScopePaint() {
    widgets_.showPicture(view_.buffer());
    ScopeMarker();
}

void ScopeViewLogic::ScopeCheckParam() {
    rx_.ScopeSTAT().ScopeCheckParam();
}

void ScopeViewLogic::ScopeRefreshDisp() {
    ScopeReset();
    widgets_.showPicture(QImage());
    view_.clearScale();
    view_.clearBuffer();
    view_.drawScale(rx_.ScopeSTAT(), rx_.ScopeCtrl().ActMode() == 0);
    view_.copyScaleToBuffer();
    ScopePaint();
}

ScopeWatched ScopeViewLogic::watched() const {
    const clsScopeSTAT& stat = rx_.ScopeSTAT();
    return {rx_.TSbase().tsname(), rx_.mode(),    rx_.Blank(),
            stat.TsLimit(),        stat.TsHalf(), stat.WFMmoni()};
}

void ScopeViewLogic::visibleTick() {
    if (frmSCANctrl* scan = ScanCtrl(); scan && scan->scanning() != 0) {
        if (scan->status() != lastScanStatus_) {
            lastScanStatus_ = scan->status();
            ScopeRefreshDisp();
        }
    }
    pacing.visibleTick(rx_.LinkStat() == kLinkStatLinked, watched(), *this);
    ScopeMarker();
}

void ScopeViewLogic::ScopeMarker() {
    widgets_.showMarker(view_.marker(rx_.ScopeSTAT(), rx_.Frequency()));
}

void ScopeViewLogic::ShowScopeStatus(bool force) {
    const int state = scopeStatusIcon(rx_.ScopeSTAT(), rx_.ScopeDATA());
    if (!force && state == statusIconState_) return;
    statusIconState_ = state;
    widgets_.showStatusIcon(state);
}

void ScopeViewLogic::ScopeOn() {
    rx_.ScopeSTAT().setPause(0);
    rx_.ScopeDATA().buff_clear();
    rx_.ScopeDATA().setMode(isSideband(rx_.mode()) ? 2 : 1);
    ScopeSetup();
}

void ScopeViewLogic::ScopeOff() {
    rx_.ScopeSTAT().setPause(0);
    clsScopeDATA& data = rx_.ScopeDATA();
    if (data.mode() == 0) return;
    data.buff_clear();
    data.setMode(0);
    ScopeSetup();
    view_.pictureChanged = true;
    rx_.SendSCOPE();
}

void ScopeViewLogic::ScopePauseToggle() {
    clsScopeSTAT& stat = rx_.ScopeSTAT();
    if (stat.pause() != 0) {
        stat.setPause(0);
        view_.pictureChanged = true;
    } else if (rx_.ScopeDATA().mode() != 0) {
        stat.setPause(-1);
    }
    rx_.SendSCOPE();
}

void ScopeViewLogic::ScopeSpanStep(int direction) {
    clsScopeSTAT& stat = rx_.ScopeSTAT();
    if (direction == 0) {
        stat.RangeUp();
    } else {
        stat.RangeDown();
    }
    ScopeSetup();
    rx_.SendSCOPE();
}

void ScopeViewLogic::clickToTune(int button, int x) {
    if (button != 1 || rx_.Blank() != 0 || rx_.ScopeCtrl().ActMode() == 0) return;
    const clsScopeSTAT& stat = rx_.ScopeSTAT();
    const ScopeFit fit = view_.fit(stat);
    const int64_t n = scopeClickOffset(view_.geometry(), x, fit.pixPerPoint);
    const int64_t base = stat.pause() != 0 ? stat.CenterFreq() : rx_.Frequency();
    const int64_t f = base + n * fit.stepFreq;
    const bool fits = f >= INT32_MIN && f <= INT32_MAX;
    if (fits && ProgramEdges().inside(static_cast<int32_t>(f))) {
        rx_.EntryFrequency(static_cast<int32_t>(f));
    }
    ScopeMarker();
    rx_.SendSCOPE();
    ScanStop();
}

}  // namespace corvell
