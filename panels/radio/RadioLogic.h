// What the radio panel does, without drawing: the heartbeat step (re-entry, hidden panel, power
// cover, 500 ms blink, busy, display request, memory texts, a scan closing an open entry), the
// wanted bitmap id of each of its 62 images, the image keys by the press-and-hold state, the PC
// keyboard and key-pad entry (nine places, ENT appends "0"), the ten-channel list with paging,
// recall, write and clear. The window (frmRadio) shows what this decides through RadioView.
// Thread contract: user-interface thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/clsTick.h"
#include "panels/common/PanelImages.h"
#include "panels/common/TenkeyRules.h"
#include "panels/common/ToneSquelchKey.h"
#include "panels/radio/RadioKeys.h"
#include "ui/clsTENKEY.h"

namespace corvell {
class frmTesselbase;
class clsMEMORY;
class MemoryListOps;
}  // namespace corvell

namespace corvell::ui {
class clsImgRepeat;
}

namespace corvell::panels {

enum class TextColour { Black, White, Grey };

// What the logic asks of its window.
class RadioView {
  public:
    virtual bool panelVisible() const = 0;
    // The window's DispAll (its own re-entry guard applies).
    virtual void redraw() = 0;
    virtual void showLabel(RadioLabel label, const std::string& text) = 0;
    virtual void showListCaption(int place, const std::string& text) = 0;
    virtual void setListColour(int place, TextColour colour) = 0;
    // The centre indicator's picture, set at once (0: none).
    virtual void setCentrePicture(int16_t id) = 0;
    virtual bool powerCoverVisible() const = 0;
    virtual void setPowerCoverVisible(bool visible) = 0;

  protected:
    ~RadioView() = default;
};

class RadioLogic {
  public:
    struct Neighbours {
        frmTesselbase& rx;
        clsMEMORY& memory;
        MemoryListOps& memoryList;      // recall, write, clear, bank steps, list refreshes
        ToneSquelchDialog* toneDialog;  // null: the tone key does nothing
    };

    static constexpr int32_t kBlinkMs = 500;
    static constexpr int kFastRepeatAfter = 10;
    static constexpr int kFastRepeatMs = 100;

    RadioLogic(const Neighbours& n, ui::clsImgRepeat& repeater, PanelImages& images,
               RadioView& view);

    // ---- heartbeat ----
    void Task_exec();
    bool redrawNeeded() const { return redrawNeeded_; }

    // ---- keys ----
    void ImgKey_Operation();
    // A press of an image is about to reach the widget: the held picture shows at once.
    void pressStarting() { blinkOn_ = true; }
    void Tuner_Key_Operation(int keyCode, int shift);
    void PcKey_Operation();
    void Tenkey_Input(int16_t code);
    void Tenkey_Enter();
    // A click on list label i (0..9).
    void ListLabelDown(int place);
    void MemoryRecall();
    void MemoryWrite();
    void MemoryClear();

    // ---- display ----
    void DispIndicators();
    void DispTenkey();
    void DispMemoryText();
    void CheckBlank();
    bool isBlank() const { return isBlank_; }
    bool chIsBlank() const { return chIsBlank_; }
    bool blinkOn() const { return blinkOn_; }

    // ---- name editing ----
    bool canEditNames() const { return !isBlank_; }
    std::string bankNameForEdit();
    std::string chNameForEdit();
    void StoreBankName(const std::string& text);
    void StoreChName(const std::string& text);
    void cancelEntry();

    // ---- rules (tables) ----
    static int SmeterStep(int32_t level);
    // The centre indicator's picture: 2039 low, 2040 centred, 2041 high, 0 none.
    static int16_t CentrePicture(int32_t filter, int32_t mode, bool rxerrOrBlankOk, int32_t cmeter);
    // Paging the list: forward +10 (50 wraps to 0), back -10 (below 0 wraps to 40).
    static int16_t PageForward(int16_t listFirst);
    static int16_t PageBack(int16_t listFirst);
    // The glyph of read-out position p (1-based) for character c.
    static int16_t DigitGlyph(int position, char c);

    int16_t listFirst() const { return listFirst_; }
    void setListFirst(int16_t v) { listFirst_ = v; }
    ui::clsTENKEY& tenkey() { return tenkey_; }

  private:
    bool powerOn() const;
    void runAction(const RadioImage& image);
    void colourList();

    frmTesselbase& rx_;
    clsMEMORY& memory_;
    MemoryListOps& ops_;
    ToneSquelchDialog* tone_;
    ui::clsImgRepeat& repeater_;
    PanelImages& images_;
    RadioView& view_;

    ui::clsTENKEY tenkey_;
    TenkeyTextMemo readoutText_;  // the digits' text, formatted only when it changes
    int16_t listFirst_ = 0;
    bool blinkOn_ = false;
    clsTick blinkTick_;
    bool taskRunning_ = false;
    bool redrawNeeded_ = false;
    bool lastBusy_ = false;
    int pendingKeyCode_ = 0;
    int pendingShift_ = 0;
    bool isBlank_ = false;
    bool chIsBlank_ = false;
    std::array<std::string, kRadioListPlaces> listCaptions_;
    std::string shownTs_, shownBank_, shownCh_, shownBankNum_, shownChNum_;
    bool textsShown_ = false;
};

}  // namespace corvell::panels
