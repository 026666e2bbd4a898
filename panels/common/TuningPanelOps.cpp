#include "panels/common/TuningPanelOps.h"

#include "core/clsAUTOMODE.h"
#include "core/frmTesselbase.h"
#include "core/objEDGES.h"
#include "memory/clsMEMORY.h"
#include "panels/common/MemoryOps.h"
#include "panels/common/TenkeyRules.h"
#include "scan/ScanStop.h"
#include "ui/clsTENKEY.h"

namespace corvell::panels {

PcKeyAction TakePcKey(PendingKey& pending, frmTesselbase& rx) {
    const PendingKey key = pending;
    pending = {};
    if (key.keyCode == 0 || rx.Power() == 0) return {};
    const PcKeyAction action = MapPcKey(key.keyCode, key.shift);
    ApplyStepOrLevelKey(rx, action);
    return action;
}

bool TenkeyInput(ui::clsTENKEY& tenkey, frmTesselbase& rx, int16_t code) {
    ScanStop();
    if (tenkey.mode() == 0 && code >= 0 && code <= 10) tenkey.finp(rx.Frequency());
    return tenkey.Operation(code, rx.Frequency()) == "ENT";
}

void TenkeyEnter(ui::clsTENKEY& tenkey, frmTesselbase& rx, bool appendZero) {
    // Read in 64 bits: an entry past 2^31 - 1 Hz is dropped instead of wrapping into another
    // frequency.
    const auto f = EntryToHz(tenkey.buff(), appendZero);
    if (f && rx.EDGES().inside(*f)) rx.EntryFrequency(*f);
}

void RecallActiveChannel(frmTesselbase& rx, clsMEMORY& memory, MemoryOps& ops) {
    ScanStop();
    rx.AutoMode().off();
    ops.mem_loadbych(memory.chData(memory.ActiveBank(), memory.ActiveCh()));
}

std::string ActiveBankName(clsMEMORY& memory) {
    return memory.BankName(memory.ActiveBank());
}

std::string ActiveChannelName(clsMEMORY& memory) {
    return memory.chData(memory.ActiveBank(), memory.ActiveCh()).name1();
}

void StoreActiveBankName(clsMEMORY& memory, MemoryOps& ops, const std::string& text) {
    memory.setBankName(memory.ActiveBank(), text);
    ops.ListBankName();
    ops.UpdateSheet();
    memory.Change();
}

void StoreActiveChannelName(clsMEMORY& memory, MemoryOps& ops, const std::string& text) {
    memory.chData(memory.ActiveBank(), memory.ActiveCh()).setName1(text);
    ops.UpdateSheet();
    memory.Change();
}

}  // namespace corvell::panels
