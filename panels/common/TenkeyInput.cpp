#include "panels/common/TenkeyInput.h"

#include "core/clsAUTOMODE.h"
#include "core/frmTesselbase.h"
#include "core/objEDGES.h"
#include "memory/clsMEMORY.h"
#include "panels/common/PcKeyMap.h"
#include "panels/common/TenkeyRules.h"
#include "scan/ScanStop.h"
#include "ui/clsTENKEY.h"

namespace corvell::panels {

void Tenkey_Input(ui::clsTENKEY& tenkey, frmTesselbase& rx, int16_t code, EntryPlaces places) {
    ScanStop();
    if (tenkey.mode() == 0 && code >= 0 && code <= ui::clsTENKEY::kDP) tenkey.finp(rx.Frequency());
    if (tenkey.Operation(code, rx.Frequency()) == "ENT") Tenkey_Enter(tenkey, rx, places);
}

bool Tenkey_Enter(const ui::clsTENKEY& tenkey, frmTesselbase& rx, EntryPlaces places) {
    const auto f = EntryToHz(tenkey.buff(), places == EntryPlaces::NineTo10Hz);
    if (!f || !rx.EDGES().inside(*f)) return false;
    rx.EntryFrequency(*f);
    return true;
}

PcKeyOutcome PcKey_Operation(ui::clsTENKEY& tenkey, frmTesselbase& rx, int keyCode, int shift,
                             bool stepSwitchesAutoModeOff, EntryPlaces places) {
    if (keyCode == 0 || rx.Power() == 0) return {};
    const PcKeyAction action = MapPcKey(keyCode, shift);
    if (action.kind == PcKeyKind::Tenkey) {
        Tenkey_Input(tenkey, rx, action.tenkeyCode, places);
        return {true, true};
    }
    if (!ApplyStepOrLevelKey(rx, action)) return {};
    const bool step = action.kind == PcKeyKind::StepUp || action.kind == PcKeyKind::StepDown;
    if (step && stepSwitchesAutoModeOff) rx.AutoMode().off();
    return {true, false};
}

BlankState CheckBlank(frmTesselbase& rx, clsMEMORY& memory) {
    return {rx.Blank() != 0, memory.chk_blank(memory.ActiveBank(), memory.ActiveCh())};
}

}  // namespace corvell::panels
