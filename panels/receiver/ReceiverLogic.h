// What the receiver panel does, without drawing: the heartbeat's blink phase, busy and display
// redraws and the scan closing an open entry; every image key by the press-and-hold state
// (entry close, scan continue flag and power test first), the key pad with MCH and ENT, the PC
// keyboard, the dial, and the display: wanted bitmap ids by 20 ordered rules, the lamps set
// directly, the label texts, the knob marks, the dial marker and the S-meter needle. The window
// (frmReceiver) shows what this decides through ReceiverView.
// Thread contract: user-interface thread only.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/clsTick.h"
#include "panels/common/PanelImages.h"
#include "panels/common/TenkeyRules.h"
#include "panels/receiver/ReceiverDisplay.h"
#include "ui/clsTENKEY.h"

namespace corvell {
class frmTesselbase;
class clsMEMORY;
class clsSettingTessel;
class MemoryListOps;
}  // namespace corvell

namespace corvell::ui {
class clsImgRepeat;
}

namespace corvell::panels {

class DlgCtcssOption;

enum class RxLabel { Step, BankName, ChName, BankNum, ChNum };

// What the logic asks of its window.
class ReceiverView {
  public:
    // The window's DispAll (its own re-entry guard applies).
    virtual void redraw() = 0;
    // An image whose picture is set directly, outside the wanted and shown ids (60, 73, 80).
    virtual void showDirect(int index, int16_t id) = 0;
    virtual void showLabel(RxLabel label, const std::string& text) = 0;
    // Knob mark k (0..4) drawn as this line in panel pixels.
    virtual void moveKnobMark(int k, const Line& line) = 0;
    // The dial marker's top-left corner in panel pixels.
    virtual void moveDialMark(PointF topLeft) = 0;
    // The S-meter needle from its pivot to its tip, in the meter picture's pixels.
    virtual void moveNeedle(Point pivot, Point tip) = 0;
    // The owner's command word ("SCANSET").
    virtual void keyAction(const std::string& word) = 0;
    // The scope pane's keys and display.
    virtual void ScopeSpanStep(int direction) = 0;
    virtual void ScopeOn() = 0;
    virtual void ScopeOff() = 0;
    virtual void ScopePauseToggle() = 0;
    virtual void ShowScopeStatus(bool force) = 0;
    virtual void ScopeMarker() = 0;

  protected:
    ~ReceiverView() = default;
};

class ReceiverLogic {
  public:
    struct Neighbours {
        frmTesselbase& rx;
        clsMEMORY& memory;
        MemoryListOps& memoryList;  // recall, write, clear, bank steps, list refreshes
        clsSettingTessel& settings;
        DlgCtcssOption* toneDialog;  // may be null: the tone-squelch key then does nothing
    };

    // The knob images, in mark order: AF gain, squelch, IF shift, scan speed, scan delay.
    static constexpr std::array<int, 5> kKnobImages = {7, 8, 88, 9, 10};
    // The S-meter picture's inner size.
    static constexpr int kSmeterWidth = 97;
    static constexpr int kSmeterHeight = 44;

    ReceiverLogic(const Neighbours& n, ui::clsImgRepeat& repeater, PanelImages& images,
                  ReceiverView& view);

    // ---- keys ----
    void ImgKey_Operation();
    void Tuner_Key_Operation(int keyCode, int shift);
    void Tenkey_Input(int16_t code);
    void Tenkey_Enter();
    void MchKey();
    void MemoryRecall();

    // ---- display ----
    void DispIndicators();
    // Step 4 of DispAll, run whether or not the images were recomputed.
    void DispAfterImages();
    void DispTenkey();
    void DispKnobs();
    void DispBusyLamp();
    void DispModeLamp();
    void DispMemoryText();
    void DispSmeter();
    void CheckBlank();
    void ResetKnobCache() { knobShown_.fill(-1000); }
    bool isBlank() const { return isBlank_; }
    bool chIsBlank() const { return chIsBlank_; }
    bool blinkOn() const { return blinkOn_; }

    // ---- heartbeat ----
    static constexpr int32_t kBlinkMs = 500;
    // One tick while the panel is shown: the blink phase turns every 500 ms; a turn, a change
    // of busy or a display request redraws the panel; a running scan closes an open entry; the
    // S-meter follows.
    void visibleTick();
    // One tick while the panel is hidden: it redraws once it shows again.
    void hiddenTick() { redrawNeeded_ = true; }
    // A press starts in the blink's "on" phase, so a blinking key shows its pressed face at once.
    void pressStarting() { blinkOn_ = true; }

    // ---- dial ----
    void InitDial() { TurnDial(1); }
    void DialStep(bool down);
    void TurnDial(int n);
    int32_t dialPosition() const { return dialPosition_; }

    // ---- name editing ----
    std::string bankNameForEdit();
    std::string chNameForEdit();
    void StoreBankName(const std::string& text);
    void StoreChName(const std::string& text);
    void cancelEntry();

    ui::clsTENKEY& tenkey() { return tenkey_; }

  private:
    bool held(int index) const;
    void setKeyHeld(int index, int16_t id);
    void setKeyHeldBlink(int index, int16_t id);
    void setKeyState(int index, int16_t base);
    // Whether this firing of the held image runs its action (the row's firing rule).
    bool fires(const struct RxImage& image) const;
    void runAction(const struct RxImage& image);
    void levelKnob(const struct RxImage& image);
    // The level a knob's mark shows; none for the scan knobs while there is no scan controller.
    std::optional<int32_t> knobLevel(const struct RxImage& knob) const;

    frmTesselbase& rx_;
    clsMEMORY& memory_;
    MemoryListOps& ops_;
    clsSettingTessel& settings_;
    DlgCtcssOption* toneDialog_;
    ui::clsImgRepeat& repeater_;
    PanelImages& images_;
    ReceiverView& view_;

    ui::clsTENKEY tenkey_;
    TenkeyTextMemo readoutText_;  // the digits' text, formatted only when it changes
    bool isBlank_ = false;
    bool chIsBlank_ = false;
    int32_t dialPosition_ = 0;
    std::array<int32_t, 6> knobShown_{-1000, -1000, -1000, -1000, -1000, -1000};
    bool blinkOn_ = false;
    clsTick blinkTick_;
    bool redrawNeeded_ = false;
    int32_t lastBusy_ = 0;  // 0, or -1 while busy was last seen
    int lastBusyLamp_ = 0;
    int16_t lastModeLamp_ = 0;
    std::string lastTsText_, lastBankName_, lastChName_, lastBankNum_, lastChNum_;
    bool needleReady_ = false;
    int32_t lastLevel_ = -1;
    NeedleGeometry needle_{};
    Point tip_{};
};

}  // namespace corvell::panels
