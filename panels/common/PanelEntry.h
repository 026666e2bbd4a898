// The memory and dial steps the tuning panels share: the MCH key's channel selection, the recall
// of the active channel, and one dial step that tunes or, while scanning, steers the scan.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {
class clsMEMORY;
class frmTesselbase;
class MemoryListOps;
}  // namespace corvell

namespace corvell::ui {
class clsTENKEY;
}

namespace corvell::panels {

// Stops a scan, switches automatic mode off and tunes to the active channel.
void RecallActiveChannel(frmTesselbase& rx, clsMEMORY& memory, MemoryListOps& ops);
// One or two digits typed select that channel (at most 49) and recall it; the entry closes.
void MchKey(ui::clsTENKEY& tenkey, frmTesselbase& rx, clsMEMORY& memory, MemoryListOps& ops);
// One step of the dial: while a scan runs its direction and a pass, else one tuning step sent.
void DialStepTune(frmTesselbase& rx, bool down);

}  // namespace corvell::panels
