// The key-pad and keyboard procedures every tuning panel runs alike on its own key-pad entry:
// a key-pad code (stop the scan, open the entry on a digit or point, run the key, tune on ENT
// when the band edges allow it), the PC keyboard on top of that, and the blank states the
// panels draw from.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {
class frmTesselbase;
class clsMEMORY;
}  // namespace corvell

namespace corvell::ui {
class clsTENKEY;
}

namespace corvell::panels {

// How a panel's entry is read as Hz: its ten places as they are, or nine places ending at the
// 10 Hz digit with a "0" appended.
enum class EntryPlaces { TenToHz, NineTo10Hz };

// ScanStop; an entry opened for a digit or DP; the key run; on "ENT" Tenkey_Enter.
void Tenkey_Input(ui::clsTENKEY& tenkey, frmTesselbase& rx, int16_t code,
                  EntryPlaces places = EntryPlaces::TenToHz);

// The entry read as Hz in 64 bits; tunes (EntryFrequency) only when it converts, fits 32 bits
// and lies inside an enabled band-edge table. Returns whether it tuned.
bool Tenkey_Enter(const ui::clsTENKEY& tenkey, frmTesselbase& rx,
                  EntryPlaces places = EntryPlaces::TenToHz);

// One keyboard key while the receiver is on: key-pad keys through Tenkey_Input, then `redraw`
// returns true so the panel runs DispAll; Shift+Left/Right step the tuning step (and switch
// automatic mode off when `stepSwitchesAutoModeOff`); Up/Down set AF gain or squelch by the
// level rule. Nothing while the receiver is off or for key code 0.
struct PcKeyOutcome {
    bool acted = false;
    bool redraw = false;
};
PcKeyOutcome PcKey_Operation(ui::clsTENKEY& tenkey, frmTesselbase& rx, int keyCode, int shift,
                             bool stepSwitchesAutoModeOff,
                             EntryPlaces places = EntryPlaces::TenToHz);

// Whether the receiver is blank and whether the memory's current channel is blank.
struct BlankState {
    bool isBlank = false;
    bool chIsBlank = false;
};
BlankState CheckBlank(frmTesselbase& rx, clsMEMORY& memory);

}  // namespace corvell::panels
