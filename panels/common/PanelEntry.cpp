#include "panels/common/PanelEntry.h"

#include "core/clsAUTOMODE.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/common/TenkeyRules.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "ui/clsTENKEY.h"

namespace corvell::panels {

void RecallActiveChannel(frmTesselbase& rx, clsMEMORY& memory, MemoryListOps& ops) {
    ScanStop();
    rx.AutoMode().off();
    ops.mem_loadbych(memory.chData(memory.ActiveBank(), memory.ActiveCh()));
}

void MchKey(ui::clsTENKEY& tenkey, frmTesselbase& rx, clsMEMORY& memory, MemoryListOps& ops) {
    const auto channel = MchChannel(tenkey.mode() != 0, tenkey.InputPos(), tenkey.buff());
    if (channel) {
        memory.setActiveCh(*channel);
        RecallActiveChannel(rx, memory, ops);
        memory.Redraw();
    }
    tenkey.off();
}

void DialStepTune(frmTesselbase& rx, bool down) {
    frmSCANctrl* scan = ScanCtrl();
    if (scan && scan->scanning() != 0) {
        scan->setDir(down ? 0 : 1);
        scan->pass();
        return;
    }
    if (down) {
        rx.frq_down();
    } else {
        rx.frq_up();
    }
    rx.SendFreq();
}

}  // namespace corvell::panels
