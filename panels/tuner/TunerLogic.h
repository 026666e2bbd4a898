// What the tuner panel does, without drawing: the image keys by the press-and-hold state, the
// key-pad entry with its MCH and ENT rules, the PC keyboard, the dial with its acceleration and
// marker, the wanted bitmap ids of every image, the three label texts and the in-place name
// rules. The window (frmTuner) shows what this decides through TunerView.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "panels/common/PanelImages.h"
#include "panels/common/TenkeyRules.h"
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

enum class TunerLabel { Step, Bank, Channel };

// What the logic asks of its window.
class TunerView {
  public:
    // The window's DispAll (its own re-entry guard applies).
    virtual void redraw() = 0;
    virtual void showLabel(TunerLabel label, const std::string& text) = 0;
    // The dial marker's top-left corner in skin pixels.
    virtual void moveDialMark(int left, int top) = 0;

  protected:
    ~TunerView() = default;
};

class TunerLogic {
  public:
    struct Neighbours {
        frmTesselbase& rx;
        clsMEMORY& memory;
        MemoryListOps& memoryList;  // recall, write, clear, bank steps, list refreshes
        clsSettingTessel& settings;
    };

    TunerLogic(const Neighbours& n, ui::clsImgRepeat& repeater, PanelImages& images,
               TunerView& view);

    // ---- keys ----
    // One firing of the held image (RepeatIndex/Stat/Count/Button of the widget).
    void ImgKey_Operation();
    // A keyboard key from this panel or passed on by another panel; key code 0 is ignored.
    void Tuner_Key_Operation(int keyCode, int shift);
    void PcKey_Operation();
    void Tenkey_Input(int16_t code);
    void Tenkey_Enter();
    void MchKey();
    void MemoryRecall();

    // ---- display ----
    void DispIndicators();
    void DispTenkey();
    void DispMemoryText();
    void CheckBlank();
    bool isBlank() const { return isBlank_; }
    bool chIsBlank() const { return chIsBlank_; }

    // ---- dial ----
    void InitDial();
    void DialStep(bool down);
    void TurnDial(int steps);
    int dialPosition() const { return dialPosition_; }
    struct Point {
        int left, top;
        bool operator==(const Point&) const = default;
    };
    // The marker's top-left corner for a dial angle in degrees (clockwise, screen y down).
    static Point DialMarkAt(int angleDegrees);
    static int DialAngle(int dialPosition);

    // ---- name editing ----
    bool canEditBankName() const;
    bool canEditChName() const;
    std::string bankNameForEdit();
    std::string chNameForEdit();
    // Stores the typed text; returns what the bank label shows now.
    std::string StoreBankName(const std::string& text);
    void StoreChName(const std::string& text);
    // An open key-pad entry is cancelled when an editor opens.
    void cancelEntry();

    // ---- texts (tables) ----
    static std::string StepText(const std::string& tsname, bool blank);
    static std::string BankNumberText(int bank);
    static std::string ChannelText(int channel, bool blank, const std::string& name1);

    int bankLabelMode() const { return bankLabelMode_; }
    ui::clsTENKEY& tenkey() { return tenkey_; }

  private:
    bool powerOn() const;
    std::string bankText();

    frmTesselbase& rx_;
    clsMEMORY& memory_;
    MemoryListOps& ops_;
    clsSettingTessel& settings_;
    ui::clsImgRepeat& repeater_;
    PanelImages& images_;
    TunerView& view_;

    ui::clsTENKEY tenkey_;
    TenkeyTextMemo readoutText_;  // the digits' text, formatted only when it changes
    TextMemo<int> bankNumberText_;
    TextMemo<int, bool, std::string> channelText_;
    int bankLabelMode_ = 0;
    int dialPosition_ = 0;
    int pendingKeyCode_ = 0;
    int pendingShift_ = 0;
    bool isBlank_ = false;
    bool chIsBlank_ = false;
    std::string shownTsText_;
    std::string shownBankText_;
    std::string shownChText_;
};

}  // namespace corvell::panels
