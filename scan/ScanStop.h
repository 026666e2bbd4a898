// The program-wide scan controller reference and the procedure that the panels, the main window
// and the memory list call whenever the user tunes by hand: stop the scan and forget where it was.
// Thread contract: user-interface thread only.
#pragma once

namespace corvell {

class frmSCANctrl;

// The controller the main window created, or nullptr before that and after its unload.
frmSCANctrl* ScanCtrl();
void setScanCtrl(frmSCANctrl* ctl);

// scan_stop, then continus_reset, both results discarded; nothing while no controller exists.
void ScanStop();

}  // namespace corvell
