#include "panels/radio/RadioLogic.h"

#include <cstdio>

#include "core/clsAFCctrl.h"
#include "core/clsAUTOMODE.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "core/objEDGES.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/common/ChannelNames.h"
#include "panels/common/LevelRule.h"
#include "panels/common/PanelEntry.h"
#include "panels/common/PcKeyMap.h"
#include "panels/common/StepName.h"
#include "panels/common/TenkeyInput.h"
#include "panels/common/TenkeyRules.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "ui/clsImgRepeat.h"

namespace corvell::panels {

RadioLogic::RadioLogic(const Neighbours& n, ui::clsImgRepeat& repeater, PanelImages& images,
                       RadioView& view)
    : rx_(n.rx),
      memory_(n.memory),
      ops_(n.memoryList),
      tone_(n.toneDialog),
      repeater_(repeater),
      images_(images),
      view_(view) {
    tenkey_.off();
    tenkey_.setDigit(kRadioEntryDigits);
}

bool RadioLogic::powerOn() const {
    return rx_.Power() != 0;
}

// ---- heartbeat ----

void RadioLogic::Task_exec() {
    if (taskRunning_) return;
    taskRunning_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{taskRunning_};

    if (!view_.panelVisible()) {
        redrawNeeded_ = true;
        return;
    }
    const bool off = rx_.Power() == 0;
    if (view_.powerCoverVisible() != off) view_.setPowerCoverVisible(off);
    if (blinkTick_.counter() == 0) {
        blinkOn_ = !blinkOn_;
        blinkTick_.setCounter(kBlinkMs);
        redrawNeeded_ = true;
    }
    const bool busy = rx_.busy() != 0;
    if (busy != lastBusy_) {
        lastBusy_ = busy;
        redrawNeeded_ = true;
    }
    if (rx_.DispReq() || redrawNeeded_) {
        rx_.setDispReq(false);
        redrawNeeded_ = false;
        view_.redraw();
    }
    DispMemoryText();
    frmSCANctrl* scan = ScanCtrl();
    if (scan && scan->scanning() != 0 && tenkey_.mode() != 0) {
        ScanStop();
        tenkey_.off();
    }
}

// ---- keys ----

void RadioLogic::ImgKey_Operation() {
    const int index = repeater_.RepeatIndex();
    if (frmSCANctrl* scan = ScanCtrl()) (void)scan->continus_reset();
    if (!powerOn()) return;
    if (const RadioImage* image = FindRadioImage(index)) {
        bool fires = false;
        switch (image->firing) {
            case RadioFiring::Never:
                break;
            case RadioFiring::First:
                fires = repeater_.RepeatStat() == 1;
                break;
            case RadioFiring::Each:
                fires = true;
                break;
            case RadioFiring::HoldConfirm:
                fires = repeater_.RepeatCount() > 2;
                break;
        }
        if (fires && image->notBlank) {
            CheckBlank();
            fires = !isBlank_;
        }
        if (fires) runAction(*image);
    }
    view_.redraw();
}

void RadioLogic::runAction(const RadioImage& image) {
    auto flip = [](int32_t v) { return v == 0 ? 1 : 0; };
    switch (image.action) {
        case RadioAction::None:
            break;
        case RadioAction::AutoMode:
            rx_.AutoMode().setMode(!rx_.AutoMode().mode());
            break;
        case RadioAction::Mode:
            rx_.ModeGroup(image.arg);
            rx_.AutoMode().off();
            break;
        case RadioAction::Filter:
            rx_.setFilter(repeater_.RepeatButton() == 1 ? rx_.filter() - 1 : rx_.filter() + 1);
            break;
        case RadioAction::EntryToggle:
            if (tenkey_.mode() != 0) {
                tenkey_.off();
            } else {
                tenkey_.finp(rx_.Frequency());
            }
            break;
        case RadioAction::Att:
            rx_.setAtt(rx_.att() != 0 ? 0 : 1);
            break;
        case RadioAction::Nb:
            rx_.setNb(flip(rx_.nb()));
            break;
        case RadioAction::Agc:
            rx_.setAgc(flip(rx_.agc()));
            break;
        case RadioAction::Vsc:
            rx_.setVsc(flip(rx_.vsc()));
            break;
        case RadioAction::Afc:
            rx_.setAfc(flip(rx_.afc()));
            rx_.AFCctrl().exec();
            break;
        case RadioAction::ListRecall:
            memory_.setActiveCh(listFirst_ + image.arg);
            MemoryRecall();
            break;
        case RadioAction::StepUp:
            rx_.TSbase().moveup();
            rx_.AutoMode().off();
            break;
        case RadioAction::StepDown:
            rx_.TSbase().movedown();
            rx_.AutoMode().off();
            break;
        case RadioAction::FreqUp:
        case RadioAction::FreqDown:
            if (image.action == RadioAction::FreqUp) {
                rx_.frq_up();
            } else {
                rx_.frq_down();
            }
            if (repeater_.RepeatCount() > kFastRepeatAfter) repeater_.setRepeatTime(kFastRepeatMs);
            break;
        case RadioAction::AfGainUp:
            rx_.setAfgain(LevelUp(rx_.afgain()));
            break;
        case RadioAction::AfGainDown:
            rx_.setAfgain(LevelDown(rx_.afgain()));
            break;
        case RadioAction::SquelchUp:
            rx_.setSquelch(LevelUp(rx_.squelch()));
            break;
        case RadioAction::SquelchDown:
            rx_.setSquelch(LevelDown(rx_.squelch()));
            break;
        case RadioAction::PageForward:
            listFirst_ = PageForward(listFirst_);
            MemoryRecall();
            break;
        case RadioAction::PageBack:
            listFirst_ = PageBack(listFirst_);
            MemoryRecall();
            break;
        case RadioAction::BankUp:
            ops_.BankUpEndless();
            MemoryRecall();
            break;
        case RadioAction::BankDown:
            ops_.BankDownEndless();
            MemoryRecall();
            break;
        case RadioAction::MemoryWrite:
            MemoryWrite();
            break;
        case RadioAction::MemoryClear:
            MemoryClear();
            break;
        case RadioAction::ToneSquelch:
            ToneSquelchKey(tone_, rx_);
            break;
    }
}

void RadioLogic::Tuner_Key_Operation(int keyCode, int shift) {
    if (keyCode == 0) return;
    pendingKeyCode_ = keyCode;
    pendingShift_ = shift;
    PcKey_Operation();
}

void RadioLogic::PcKey_Operation() {
    const int keyCode = pendingKeyCode_;
    const int shift = pendingShift_;
    pendingKeyCode_ = 0;
    pendingShift_ = 0;
    // The radio panel steps without touching automatic mode.
    if (panels::PcKey_Operation(tenkey_, rx_, keyCode, shift, false, EntryPlaces::NineTo10Hz)
            .redraw) {
        view_.redraw();
    }
}

void RadioLogic::Tenkey_Input(int16_t code) {
    panels::Tenkey_Input(tenkey_, rx_, code, EntryPlaces::NineTo10Hz);
}

void RadioLogic::Tenkey_Enter() {
    // Nine places end at the 10 Hz digit: one "0" more gives Hz, read in 64 bits.
    panels::Tenkey_Enter(tenkey_, rx_, EntryPlaces::NineTo10Hz);
}

void RadioLogic::ListLabelDown(int place) {
    // With the receiver off the list acts no more than the keys do.
    if (place < 0 || place >= kRadioListPlaces || !powerOn()) return;
    memory_.setActiveCh(listFirst_ + place);
    MemoryRecall();
    view_.redraw();
}

void RadioLogic::MemoryRecall() {
    RecallActiveChannel(rx_, memory_, ops_);
}

void RadioLogic::MemoryWrite() {
    ops_.mem_write();
}

void RadioLogic::MemoryClear() {
    ops_.mem_clear();
}

// ---- display ----

int RadioLogic::SmeterStep(int32_t level) {
    if (level < 16) return 0;
    if (level < 80) return 1;
    if (level < 144) return 2;
    if (level < 208) return 3;
    return 4;
}

int16_t RadioLogic::CentrePicture(int32_t filter, int32_t mode, bool rxerrOrBlankOk,
                                  int32_t cmeter) {
    if ((filter != 1 && filter != 2) || mode != 5 || !rxerrOrBlankOk) return 0;
    if (cmeter < 128) return 2039;
    return cmeter == 128 ? 2040 : 2041;
}

int16_t RadioLogic::PageForward(int16_t listFirst) {
    const int next = listFirst + 10;
    return static_cast<int16_t>(next >= 50 ? 0 : next);
}

int16_t RadioLogic::PageBack(int16_t listFirst) {
    const int next = listFirst - 10;
    return static_cast<int16_t>(next < 0 ? 40 : next);
}

int16_t RadioLogic::DigitGlyph(int position, char c) {
    if (c == '.') return 2092;
    if (c < '0' || c > '9') return 0;
    if (position == 1 && c == '1') return 2101;
    return static_cast<int16_t>((position >= 10 ? 2081 : 2070) + (c - '0'));
}

void RadioLogic::CheckBlank() {
    const BlankState state = panels::CheckBlank(rx_, memory_);
    isBlank_ = state.isBlank;
    chIsBlank_ = state.chIsBlank;
}

void RadioLogic::DispTenkey() {
    const std::string& text =
        DispTenkeyText(readoutText_, tenkey_.mode() != 0, tenkey_.buff(), rx_.Frequency(), 2);
    for (std::size_t p = 0; p < text.size(); ++p) {
        const int position = static_cast<int>(p) + 1;
        images_.setWanted(kRadioFirstDigitImage - 1 + position, DigitGlyph(position, text[p]));
    }
}

void RadioLogic::DispIndicators() {
    CheckBlank();
    DispTenkey();
    const bool blank = isBlank_;
    const int32_t mode = rx_.mode();
    auto lamp = [&](int index, bool on, int16_t onId, int16_t offId) {
        images_.setWanted(index, on ? onId : offId);
    };
    lamp(1, rx_.AutoMode().mode() && !blank, 2002, 2001);
    lamp(2, mode == 0 && !blank, 2004, 2003);
    lamp(3, mode == 1 && !blank, 2006, 2005);
    lamp(4, mode == 3 && !blank, 2008, 2007);
    lamp(5, mode == 2 && !blank, 2010, 2009);
    lamp(6, mode == 5 && !blank, 2013, 2012);
    lamp(7, mode == 6 && !blank, 2015, 2014);
    images_.setWanted(8, blank ? int16_t{2016} : static_cast<int16_t>(2017 + rx_.filter()));
    lamp(20, rx_.att() != 0 && !blank, 2023, 2022);
    lamp(21, rx_.nb() != 0 && !blank, 2025, 2024);
    lamp(22, rx_.agc() != 0 && !blank, 2027, 2026);
    lamp(23, rx_.vsc() != 0, 2029, 2028);
    lamp(24, rx_.afc() != 0 && !blank, 2031, 2030);
    lamp(25, !blank, 2033, 2032);
    images_.setWanted(26, 2044);
    images_.setWanted(27, 2046);
    images_.setWanted(28, 2045);
    images_.setWanted(29, 2047);
    const int32_t level = blank ? 0 : rx_.Smeter();
    images_.setWanted(30, static_cast<int16_t>(2034 + SmeterStep(level)));
    const int32_t filter = rx_.filter();
    const bool centreShown = (filter == 1 || filter == 2) && mode == 5;
    view_.setCentrePicture(
        centreShown ? CentrePicture(filter, mode, blank || rx_.rxerr() == 0, rx_.cmeter()) : 0);
    images_.setWanted(32, blank ? int16_t{0} : (rx_.busy() != 0 ? int16_t{2043} : int16_t{2042}));

    const int active = memory_.ActiveCh();
    for (int i = 0; i < kRadioListPlaces; ++i) {
        images_.setWanted(kRadioFirstListImage + i, listFirst_ + i == active ? 2048 : 2049);
    }

    const int held = repeater_.RepeatIndex();
    // A key that does nothing while the receiver is off does not look pressed either.
    const bool pressing = repeater_.RepeatStat() > 0 && powerOn();
    auto key = [&](int index, int16_t heldId, int16_t normalId, bool blinks) {
        const bool isHeld = pressing && held == index && (!blinks || blinkOn_);
        images_.setWanted(index, isHeld ? heldId : normalId);
    };
    key(43, 2051, 2050, true);
    key(49, 2051, 2050, true);
    key(44, 2069, 2068, true);
    key(50, 2069, 2068, true);
    key(45, 2055, 2054, true);
    key(46, 2053, 2052, true);
    key(47, 2057, 2056, true);
    key(48, 2059, 2058, true);
    key(51, 2061, 2060, true);
    key(53, 2061, 2060, true);
    key(52, 2063, 2062, true);
    key(54, 2063, 2062, true);
    key(55, 2065, 2064, false);
    key(56, 2067, 2066, false);
    key(57, 2067, 2066, false);
    if (repeater_.RepeatCount() > 2) {
        images_.setWanted(58, held == 56 ? 2094 : 2093);
        images_.setWanted(59, held == 57 ? 2096 : 2095);
    }
    images_.setWanted(61, tenkey_.mode() != 0 ? 2098 : (blank ? 2097 : 2099));
    lamp(62, mode == 5 && rx_.ctcss() != 0 && !blank, 2011, 2100);

    bool captionsChanged = false;
    for (int i = 0; i < kRadioListPlaces; ++i) {
        const std::string caption = std::to_string(listFirst_ + i);
        if (caption == listCaptions_[static_cast<std::size_t>(i)]) continue;
        listCaptions_[static_cast<std::size_t>(i)] = caption;
        view_.showListCaption(i, caption);
        captionsChanged = true;
    }
    // New captions name other channels: their colours (blank ones grey) follow them.
    if (captionsChanged) colourList();
}

void RadioLogic::colourList() {
    const int bank = memory_.ActiveBank();
    const int active = memory_.ActiveCh();
    for (int i = 0; i < kRadioListPlaces; ++i) {
        const int ch = listFirst_ + i;
        TextColour colour = TextColour::Black;
        if (ch == active) {
            colour = TextColour::White;
        } else if (memory_.chk_blank(bank, ch)) {
            colour = TextColour::Grey;
        }
        view_.setListColour(i, colour);
    }
}

void RadioLogic::DispMemoryText() {
    CheckBlank();
    auto write = [&](RadioLabel label, std::string& shown, const std::string& text) {
        if (textsShown_ && text == shown) return false;
        shown = text;
        view_.showLabel(label, text);
        return true;
    };
    write(RadioLabel::TsName, shownTs_, ShortStepName(rx_.TSbase().tsname(), isBlank_));
    const int bank = memory_.ActiveBank();
    const int ch = memory_.ActiveCh();
    write(RadioLabel::BankName, shownBank_, memory_.BankName(bank));
    write(RadioLabel::ChName, shownCh_,
          chIsBlank_ ? std::string(kBlankChannelText) : memory_.chData(bank, ch).name1());
    const bool bankChanged = write(RadioLabel::BankNum, shownBankNum_, TwoDigits(bank));
    const bool chChanged = write(RadioLabel::ChNum, shownChNum_, TwoDigits(ch));
    textsShown_ = true;
    if (chChanged || bankChanged) colourList();
}

// ---- name editing ----

std::string RadioLogic::bankNameForEdit() {
    return BankNameForEdit(memory_);
}

std::string RadioLogic::chNameForEdit() {
    return ChNameForEdit(memory_);
}

void RadioLogic::StoreBankName(const std::string& text) {
    panels::StoreBankName(memory_, ops_, text);
}

void RadioLogic::StoreChName(const std::string& text) {
    panels::StoreChName(memory_, ops_, text);
}

void RadioLogic::cancelEntry() {
    tenkey_.Operation_s("CE", rx_.Frequency());
}

}  // namespace corvell::panels
