// The tone-squelch dialog without its window: which tone the receiver uses, the tone remembered
// for switching the tone squelch off and on again ("DLGTONE"/"TONEBUFF" in the settings file),
// and when the tone list may be used (FM on a tuned receiver).
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <optional>

namespace corvell {
class frmTesselbase;
class clsProfileIO;
}  // namespace corvell

namespace corvell::panels {

class CtcssToneLogic {
  public:
    explicit CtcssToneLogic(frmTesselbase& rx) : rx_(rx) {}

    // The list is usable only in FM (mode 5) while the receiver is not blank.
    static bool ListEnabled(int16_t blank, int32_t mode) { return blank == 0 && mode == 5; }

    // Reads the remembered tone, clamped to 1..51 (missing or damaged: 1); writes it back.
    void load(clsProfileIO& profile);
    bool save(clsProfileIO& profile) const;

    int16_t rememberedTone() const { return remembered_; }
    // The receiver's tone index now (0 off).
    int16_t currentTone() const;
    // In FM on a tuned receiver: whether a tone is set; otherwise whether the dialog is visible.
    bool check(bool dialogVisible) const;
    void ctcss_on();
    void ctcss_off();
    // The user picked a list entry (0 switches the tone squelch off).
    void pick(int index);

    struct Step {
        bool enabled;
        std::optional<int16_t> showIndex;  // the list index to show, when the tone changed
    };
    // One heartbeat step while the dialog is visible.
    Step Task_exec();

  private:
    frmTesselbase& rx_;
    int16_t remembered_ = 1;
    int16_t lastShown_ = -1;
};

}  // namespace corvell::panels
