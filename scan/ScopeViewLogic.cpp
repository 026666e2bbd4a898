#include "scan/ScopeViewLogic.h"

#include <cstdint>

#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "core/frmScopeCtrl.h"
#include "core/frmTesselbase.h"
#include "resources/ArtTables.h"
#include "scan/ScanStop.h"
#include "scan/ScopeActions.h"
#include "scan/frmSCANctrl.h"

namespace corvell {

ScopeViewLogic::ScopeViewLogic(frmTesselbase& rx, const ScopeGeometry& geometry,
                               ScopeViewWidgets& widgets)
    : rx_(rx), view_(geometry), widgets_(widgets) {}

void ScopeViewLogic::showLabels(const ScopeLabels& labels) {
    widgets_.showLabels(labels);
    ShowScopeStatus(false);
}

void ScopeViewLogic::LayoutScope() {
    ScopeSetup();
    rx_.ScopeSTAT().setPause(0);
    view_.pictureChanged = true;
    ShowScopeStatus(false);
}

void ScopeViewLogic::ScopeSetup() {
    showLabels(corvell::ScopeSetup(rx_, view_));
}

void ScopeViewLogic::ScopeReset() {
    showLabels(corvell::ScopeReset(rx_, view_));
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
    widgets_.showPicture(QImage());
    showLabels(ScopeRefresh(rx_, view_));
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
    ShowScopeStatus(false);
}

void ScopeViewLogic::ScopeMarker() {
    widgets_.showMarker(view_.marker(rx_.ScopeSTAT(), rx_.Frequency()));
}

void ScopeViewLogic::ShowScopeStatus(bool force) {
    const int state = scopeStatusIcon(rx_.ScopeSTAT(), rx_.ScopeDATA());
    if (!force && state == statusIconState_) return;
    statusIconState_ = state;
    widgets_.showStatusIcon(state == 1 ? art::kScopeLimitIconId
                                       : (state == 2 ? art::kScopePauseIconId : 0));
}

void ScopeViewLogic::ScopeOn() {
    showLabels(corvell::ScopeOn(rx_, view_));
}

void ScopeViewLogic::ScopeOff() {
    showLabels(corvell::ScopeOff(rx_, view_));
}

void ScopeViewLogic::ScopePauseToggle() {
    corvell::ScopePauseToggle(rx_, view_);
    ShowScopeStatus(false);
}

void ScopeViewLogic::ScopeSpanStep(int direction) {
    showLabels(corvell::ScopeSpanStep(rx_, view_, direction == 0));
}

void ScopeViewLogic::clickToTune(int button, int x) {
    if (ScopeClickToTune(rx_, view_, button, x)) ScopeMarker();
}

}  // namespace corvell
