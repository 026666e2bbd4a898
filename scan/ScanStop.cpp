#include "scan/ScanStop.h"

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
    if (g_scanCtrl == nullptr) return;
    g_scanCtrl->scan_stop();
    g_scanCtrl->continus_reset();
}

}  // namespace corvell
