// The nine panel windows of the main window, in the fixed order every loop over them keeps
// (creation, heartbeat, hiding, placements, visibility records), each with the key its saved
// placement is stored under and the command word that toggles it.
// Thread contract: constant data; any thread.
#pragma once

#include <array>
#include <string_view>

namespace corvell::shell {

enum class PanelSlot { Radio, Receiver, ScanPad, Scope, Mode, Tuner, DTMF, DSP, Mch };

inline constexpr int kPanelCount = 9;

struct PanelSlotInfo {
    PanelSlot slot;
    std::string_view member;        // the main window's member name ("frmRadio")
    std::string_view placementKey;  // key of its "WINDOW_PLACEMENT" entry
    std::string_view word;          // the command word that opens it ("" for none)
};

inline constexpr std::array<PanelSlotInfo, kPanelCount> kPanelSlots = {{
    {PanelSlot::Radio, "frmRadio", "Radio Form", "RADIO"},
    {PanelSlot::Receiver, "frmReceiver", "Receiver Form", "RECEIVER"},
    {PanelSlot::ScanPad, "frmScanPad", "Scan Form", "SCAN"},
    {PanelSlot::Scope, "frmScope", "Band Scope Form", "SCOPE"},
    {PanelSlot::Mode, "frmMode", "Mode Form", "MODE"},
    {PanelSlot::Tuner, "frmTuner", "Tuner Form", "TUNER"},
    {PanelSlot::DTMF, "frmDTMF", "DTMF Form", "DTMF"},
    {PanelSlot::DSP, "frmDSP", "DSP Form", "DSP"},
    {PanelSlot::Mch, "frmMch", "Memory List", "MEMORY"},
}};

// The four panels of the SIMPLE set, in the order they are shown and hidden.
inline constexpr std::array<PanelSlot, 4> kSimpleSet = {PanelSlot::ScanPad, PanelSlot::Scope,
                                                        PanelSlot::Mode, PanelSlot::Tuner};

constexpr int slotIndex(PanelSlot slot) {
    return static_cast<int>(slot);
}
constexpr const PanelSlotInfo& slotInfo(PanelSlot slot) {
    return kPanelSlots[static_cast<std::size_t>(slot)];
}

// The panel modes; a stored value outside them reads as SIMPLE.
enum PanelModeValue : int16_t { kModeSimple = 0, kModeRadio = 1, kModeReceiver = 2 };

}  // namespace corvell::shell
