#include "panels/tuner/TunerLogic.h"

#include <cmath>
#include <cstdio>

#include "core/ValueProcs.h"
#include "core/clsAUTOMODE.h"
#include "core/clsSettingTessel.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/common/ChannelNames.h"
#include "panels/common/DialTiming.h"
#include "panels/common/PanelEntry.h"
#include "panels/common/StepName.h"
#include "panels/common/TenkeyInput.h"
#include "panels/common/TenkeyRules.h"
#include "panels/tuner/TunerKeys.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "ui/Twips.h"
#include "ui/clsImgRepeat.h"

namespace corvell::panels {

TunerLogic::TunerLogic(const Neighbours& n, ui::clsImgRepeat& repeater, PanelImages& images,
                       TunerView& view)
    : rx_(n.rx),
      memory_(n.memory),
      ops_(n.memoryList),
      settings_(n.settings),
      repeater_(repeater),
      images_(images),
      view_(view) {
    tenkey_.off();
    tenkey_.setDigit(10);
}

bool TunerLogic::powerOn() const {
    return rx_.Power() != 0;
}

// ---- keys ----

void TunerLogic::ImgKey_Operation() {
    if (!powerOn()) return;
    const int index = repeater_.RepeatIndex();
    // The key-pad keys keep an open entry; every other key closes it first.
    if (tenkey_.mode() != 0 && (index < 9 || index > 22)) tenkey_.off();
    const TunerImage* image = FindTunerImage(index);
    if (image) {
        const bool first = repeater_.RepeatStat() == 1;
        const bool confirmed = repeater_.RepeatCount() > 2;
        switch (image->action) {
            case TunerAction::ChannelDown:
                memory_.ChDown();
                MemoryRecall();
                break;
            case TunerAction::ChannelUp:
                memory_.ChUp();
                MemoryRecall();
                break;
            case TunerAction::BankLabelMode:
                bankLabelMode_ = bankLabelMode_ == 0 ? 1 : 0;
                break;
            case TunerAction::BankUp:
                ops_.BankUpEndless();
                MemoryRecall();
                break;
            case TunerAction::BankDown:
                ops_.BankDownEndless();
                MemoryRecall();
                break;
            case TunerAction::StepUp:
                rx_.TSbase().moveup();
                rx_.AutoMode().off();
                break;
            case TunerAction::StepDown:
                rx_.TSbase().movedown();
                rx_.AutoMode().off();
                break;
            case TunerAction::Tenkey:
                if (first) Tenkey_Input(image->tenkeyCode);
                break;
            case TunerAction::Mch:
                if (first) MchKey();
                break;
            case TunerAction::MemoryWrite:
                if (confirmed) ops_.mem_write();
                break;
            case TunerAction::MemoryClear:
                if (confirmed) ops_.mem_clear();
                break;
            case TunerAction::Dial:
                repeater_.setRepeatTime(DialRepeatTime(repeater_.RepeatCount(),
                                                       rx_.TSbase().tsfrq(), settings_.DialSpeed));
                DialStep(repeater_.RepeatButton() == 1);
                break;
            case TunerAction::Indicator:
                break;
        }
    }
    view_.redraw();
}

void TunerLogic::Tuner_Key_Operation(int keyCode, int shift) {
    if (keyCode == 0) return;
    pendingKeyCode_ = keyCode;
    pendingShift_ = shift;
    PcKey_Operation();
}

void TunerLogic::PcKey_Operation() {
    const int keyCode = pendingKeyCode_;
    const int shift = pendingShift_;
    pendingKeyCode_ = 0;
    pendingShift_ = 0;
    if (panels::PcKey_Operation(tenkey_, rx_, keyCode, shift, true).redraw) view_.redraw();
}

void TunerLogic::Tenkey_Input(int16_t code) {
    panels::Tenkey_Input(tenkey_, rx_, code);
}

void TunerLogic::Tenkey_Enter() {
    panels::Tenkey_Enter(tenkey_, rx_);
}

void TunerLogic::MchKey() {
    panels::MchKey(tenkey_, rx_, memory_, ops_);
}

void TunerLogic::MemoryRecall() {
    RecallActiveChannel(rx_, memory_, ops_);
}

// ---- display ----

void TunerLogic::DispIndicators() {
    DispTenkey();
    DispMemoryText();
    const int held = repeater_.RepeatIndex();
    const int stat = repeater_.RepeatStat();
    for (const TunerImage& image : TunerImages()) {
        if (image.index > 26) break;
        images_.SetKeyHeld(image.index, image.pressedId, held, stat);
    }
    if (repeater_.RepeatCount() >= 3) {
        images_.setWanted(kClearIndicatorImage, held == 26 ? kClearHeldId : int16_t{0});
        images_.setWanted(kWriteIndicatorImage, held == 25 ? kWriteHeldId : int16_t{0});
    }
}

void TunerLogic::DispTenkey() {
    const std::string& text =
        DispTenkeyText(readoutText_, tenkey_.mode() != 0, tenkey_.buff(), rx_.Frequency());
    for (std::size_t p = 0; p < text.size(); ++p) {
        images_.setWanted(kFirstReadoutImage + static_cast<int>(p), ReadoutGlyph(text[p]));
    }
}

void TunerLogic::CheckBlank() {
    const BlankState state = panels::CheckBlank(rx_, memory_);
    isBlank_ = state.isBlank;
    chIsBlank_ = state.chIsBlank;
}

std::string TunerLogic::StepText(const std::string& tsname, bool blank) {
    return ShortStepName(tsname, blank);
}

std::string TunerLogic::BankNumberText(int bank) {
    char s[16];
    std::snprintf(s, sizeof s, " %02d", bank);
    return s;
}

std::string TunerLogic::ChannelText(int channel, bool blank, const std::string& name1) {
    char s[16];
    std::snprintf(s, sizeof s, " %02d - ", channel);
    return std::string(s) + (blank ? std::string("BLANK -") : name1);
}

std::string TunerLogic::bankText() {
    const int bank = memory_.ActiveBank();
    if (bankLabelMode_ == 1) return memory_.BankName(bank);
    return bankNumberText_([&] { return BankNumberText(bank); }, bank);
}

void TunerLogic::DispMemoryText() {
    CheckBlank();
    const std::string ts = StepText(rx_.TSbase().tsname(), isBlank_);
    if (ts != shownTsText_) {
        shownTsText_ = ts;
        view_.showLabel(TunerLabel::Step, ts);
    }
    const std::string bank = bankText();
    if (bank != shownBankText_) {
        shownBankText_ = bank;
        view_.showLabel(TunerLabel::Bank, bank);
    }
    const int bankNo = memory_.ActiveBank();
    const int ch = memory_.ActiveCh();
    const std::string name1 = chIsBlank_ ? std::string() : memory_.chData(bankNo, ch).name1();
    const std::string& channel =
        channelText_([&] { return ChannelText(ch, chIsBlank_, name1); }, ch, chIsBlank_, name1);
    if (channel != shownChText_) {
        shownChText_ = channel;
        view_.showLabel(TunerLabel::Channel, channel);
    }
}

// ---- dial ----

void TunerLogic::InitDial() {
    TurnDial(1);
}

void TunerLogic::DialStep(bool down) {
    DialStepTune(rx_, down);
    TurnDial(down ? -1 : 1);
}

int TunerLogic::DialAngle(int dialPosition) {
    return static_cast<int>(ui::roundHalfEven(dialPosition * 360.0 / 200.0));
}

TunerLogic::Point TunerLogic::DialMarkAt(int angleDegrees) {
    const double a = DegToRad(angleDegrees);
    return {static_cast<int>(ui::roundHalfEven(28.0 * std::cos(a) + 414.0)),
            static_cast<int>(ui::roundHalfEven(26.0 * std::sin(a) + 56.0))};
}

void TunerLogic::TurnDial(int steps) {
    dialPosition_ += steps * 10;
    dialPosition_ %= 200;
    if (dialPosition_ < 0) dialPosition_ += 200;
    const Point mark = DialMarkAt(DialAngle(dialPosition_));
    view_.moveDialMark(mark.left, mark.top);
}

// ---- name editing ----

bool TunerLogic::canEditBankName() const {
    return !isBlank_ && bankLabelMode_ == 1;
}

bool TunerLogic::canEditChName() const {
    return !isBlank_;
}

void TunerLogic::cancelEntry() {
    tenkey_.Operation_s("CE", rx_.Frequency());
}

std::string TunerLogic::bankNameForEdit() {
    return BankNameForEdit(memory_);
}

std::string TunerLogic::chNameForEdit() {
    return ChNameForEdit(memory_);
}

std::string TunerLogic::StoreBankName(const std::string& text) {
    panels::StoreBankName(memory_, ops_, text);
    return bankLabelMode_ == 1 ? text : BankNumberText(memory_.ActiveBank());
}

void TunerLogic::StoreChName(const std::string& text) {
    panels::StoreChName(memory_, ops_, text);
}

}  // namespace corvell::panels
