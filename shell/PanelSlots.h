// The nine panel windows of the main window, in the fixed order every loop over them keeps
// (creation, heartbeat, hiding, placements, visibility records), each with the key its saved
// placement is stored under and the command word that toggles it.
// Thread contract: constant data; any thread.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace corvell::shell {

enum class PanelSlot { Radio, Receiver, ScanPad, Scope, Mode, Tuner, DTMF, DSP, Mch };

inline constexpr int kPanelCount = 9;

struct PanelSlotInfo {
    PanelSlot slot;
    std::string_view member;        // the main window's member name ("frmRadio")
    std::string_view placementKey;  // key of its "WINDOW_PLACEMENT" entry
    std::string_view word;          // the command word that opens it ("" for none)
    int designX, designY;           // where the panel sits in the frame until a placement is saved
};

// The design places keep the panels of one mode side by side in two columns of the 512-pixel
// panels, a little apart: tuner over mode on the left, scan pad over scope on the right.
inline constexpr std::array<PanelSlotInfo, kPanelCount> kPanelSlots = {{
    {PanelSlot::Radio, "frmRadio", "Radio Form", "RADIO", 0, 0},
    {PanelSlot::Receiver, "frmReceiver", "Receiver Form", "RECEIVER", 0, 0},
    {PanelSlot::ScanPad, "frmScanPad", "Scan Form", "SCAN", 524, 0},
    {PanelSlot::Scope, "frmScope", "Band Scope Form", "SCOPE", 524, 156},
    {PanelSlot::Mode, "frmMode", "Mode Form", "MODE", 0, 160},
    {PanelSlot::Tuner, "frmTuner", "Tuner Form", "TUNER", 0, 0},
    {PanelSlot::DTMF, "frmDTMF", "DTMF Form", "DTMF", 0, 322},
    {PanelSlot::DSP, "frmDSP", "DSP Form", "DSP", 524, 322},
    {PanelSlot::Mch, "frmMch", "Memory List", "MEMORY", 0, 412},
}};

constexpr int slotIndex(PanelSlot slot) {
    return static_cast<int>(slot);
}
constexpr const PanelSlotInfo& slotInfo(PanelSlot slot) {
    return kPanelSlots[static_cast<std::size_t>(slot)];
}

// The panel modes; a stored value outside them reads as SIMPLE.
enum PanelModeValue : int16_t { kModeSimple = 0, kModeRadio = 1, kModeReceiver = 2 };

// What each panel mode shows: the command word that chooses it, its panels in the order they
// are shown and hidden, and the panel whose band scope is redrawn after a switch to it.
struct PanelModeInfo {
    PanelModeValue mode;
    std::string_view word;
    std::array<PanelSlot, 4> panelList;
    int panelCount;
    std::optional<PanelSlot> scopePanel;

    constexpr std::span<const PanelSlot> panels() const {
        return {panelList.data(), static_cast<std::size_t>(panelCount)};
    }
    constexpr bool shows(PanelSlot slot) const {
        for (PanelSlot s : panels()) {
            if (s == slot) return true;
        }
        return false;
    }
};

// In PanelModeValue order.
inline constexpr std::array<PanelModeInfo, 3> kPanelModes = {{
    {kModeSimple,
     "SIMPLE",
     {PanelSlot::ScanPad, PanelSlot::Scope, PanelSlot::Mode, PanelSlot::Tuner},
     4,
     PanelSlot::Scope},
    {kModeRadio, "RADIO", {PanelSlot::Radio}, 1, std::nullopt},
    {kModeReceiver, "RECEIVER", {PanelSlot::Receiver}, 1, PanelSlot::Receiver},
}};

// The mode's row; SIMPLE for a value outside the modes.
constexpr const PanelModeInfo& panelModeInfo(int mode) {
    return kPanelModes[mode >= 0 && mode < static_cast<int>(kPanelModes.size())
                           ? static_cast<std::size_t>(mode)
                           : 0];
}

}  // namespace corvell::shell
