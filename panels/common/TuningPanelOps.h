// What the tuning panels (tuner and radio) do alike: the keyboard key waiting to be run, the
// key-pad entry and its ENT, the recall of the active memory channel, and the names of the
// active bank and channel that their in-place editors read and store.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "panels/common/PcKeyMap.h"

namespace corvell {
class frmTesselbase;
class clsMEMORY;
}  // namespace corvell

namespace corvell::ui {
class clsTENKEY;
}

namespace corvell::panels {

class MemoryOps;

// The last keyboard key and its shift state, stored by the key event.
struct PendingKey {
    int keyCode = 0;
    int shift = 0;
};

// Takes (and clears) the pending key. Nothing for key code 0 or a receiver that is off; a step
// or level key is run on the receiver; a key-pad key is returned for the panel's own entry.
PcKeyAction TakePcKey(PendingKey& pending, frmTesselbase& rx);

// One key-pad code: a running scan stops, a digit or DP opens a closed entry, then the key;
// true when it completed an entry (ENT).
bool TenkeyInput(ui::clsTENKEY& tenkey, frmTesselbase& rx, int16_t code);
// Tunes to the completed entry when it converts and lies inside an enabled band-edge table;
// `appendZero` for an entry that ends at the 10 Hz place.
void TenkeyEnter(ui::clsTENKEY& tenkey, frmTesselbase& rx, bool appendZero);

// Stops a scan, switches automatic mode off and loads the active channel into the receiver.
void RecallActiveChannel(frmTesselbase& rx, clsMEMORY& memory, MemoryOps& ops);

std::string ActiveBankName(clsMEMORY& memory);
std::string ActiveChannelName(clsMEMORY& memory);
// Store a typed name, refresh the memory list and mark the memory changed.
void StoreActiveBankName(clsMEMORY& memory, MemoryOps& ops, const std::string& text);
void StoreActiveChannelName(clsMEMORY& memory, MemoryOps& ops, const std::string& text);

}  // namespace corvell::panels
