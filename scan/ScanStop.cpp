#include "scan/ScanStop.h"

#include "core/frmTesselbase.h"
#include "scan/frmSCANctrl.h"

namespace corvell {

namespace {

frmSCANctrl* g_scanCtrl = nullptr;

}  // namespace

frmSCANctrl* ScanCtrl() {
    return g_scanCtrl;
}

void setScanCtrl(frmSCANctrl* ctl) {
    g_scanCtrl = ctl;
}

void ScanStop() {
    if (g_scanCtrl == nullptr) {
        // The caller tuned by hand: the panels must redraw even before a controller exists.
        if (frmTesselbase* receiver = ProgramReceiver()) receiver->SetDispReq();
        return;
    }
    g_scanCtrl->scan_stop();
    g_scanCtrl->continus_reset();
}

}  // namespace corvell
