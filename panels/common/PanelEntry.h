// The steps the tuning panels share: a key-pad code into the entry (a scan stops first), the
// entry tuned on ENT within the band edges, the MCH key's channel selection, the recall of the
// active channel, and one dial step that tunes or, while scanning, steers the scan.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {
class clsMEMORY;
class frmTesselbase;
}  // namespace corvell

namespace corvell::ui {
class clsTENKEY;
}

namespace corvell::panels {

class MemoryOps;

// Key-pad code 0..9 digits, 10 DP, 11 CE, 12 ENT.
void TenkeyInput(ui::clsTENKEY& tenkey, frmTesselbase& rx, int16_t code);
void TenkeyEnter(const ui::clsTENKEY& tenkey, frmTesselbase& rx);
// Stops a scan, switches automatic mode off and tunes to the active channel.
void RecallActiveChannel(frmTesselbase& rx, clsMEMORY& memory, MemoryOps& ops);
// One or two digits typed select that channel (at most 49) and recall it; the entry closes.
void MchKey(ui::clsTENKEY& tenkey, frmTesselbase& rx, clsMEMORY& memory, MemoryOps& ops);
// One step of the dial: while a scan runs its direction and a pass, else one tuning step sent.
void DialStepTune(frmTesselbase& rx, bool down);

}  // namespace corvell::panels
