// The PC keyboard of the tuning panels: which action a key code (classic PC scheme) with its
// shift state (1 Shift, 2 Ctrl, 4 Alt) stands for, and the step and level actions every tuning
// panel runs alike. Key-pad codes go back to the panel's own Tenkey_Input.
// Thread contract: user-interface thread (ApplyStepOrLevelKey sets the receiver object).
#pragma once

#include <cstdint>

namespace corvell {
class frmTesselbase;
}

namespace corvell::panels {

enum class PcKeyKind {
    None,
    Tenkey,  // a key-pad code in tenkeyCode (0..9 digits, 10 DP, 11 CE, 12 ENT)
    StepUp,
    StepDown,
    AfGainUp,
    AfGainDown,
    SquelchUp,
    SquelchDown,
};

struct PcKeyAction {
    PcKeyKind kind = PcKeyKind::None;
    int16_t tenkeyCode = 0;
    bool operator==(const PcKeyAction&) const = default;
};

// Left and Right step only with Shift alone; Up and Down look at the Shift bit only.
PcKeyAction MapPcKey(int keyCode, int shift);

// Runs a step or level action on the receiver (the step object, AF gain, squelch by the level
// rule). Returns false, doing nothing, for None and Tenkey.
bool ApplyStepOrLevelKey(frmTesselbase& rx, PcKeyAction action);

}  // namespace corvell::panels
