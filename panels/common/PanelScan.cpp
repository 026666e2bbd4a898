#include "panels/common/PanelScan.h"

#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"

namespace corvell::panels {

void ScanToggle(int16_t kind) {
    frmSCANctrl* ctrl = ScanCtrl();
    if (!ctrl) return;
    if (ctrl->scanning() != 0) {
        (void)ctrl->scan_stop();
    } else {
        (void)ctrl->scan_start(kind, frmSCANctrl::kProgramTrue);
    }
}

}  // namespace corvell::panels
