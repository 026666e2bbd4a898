#include "panels/receiver/ReceiverLogic.h"

#include "core/clsAFCctrl.h"
#include "core/clsAUTOMODE.h"
#include "core/clsScopeDATA.h"
#include "core/clsSettingTessel.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "core/objEDGES.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/common/ChannelNames.h"
#include "panels/common/DialTiming.h"
#include "panels/common/LevelRule.h"
#include "panels/common/PanelEntry.h"
#include "panels/common/PanelScan.h"
#include "panels/common/TenkeyInput.h"
#include "panels/common/TenkeyRules.h"
#include "panels/common/ToneSquelchKey.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "panels/receiver/ReceiverKeys.h"
#include "panels/tuner/TunerLogic.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "ui/clsImgRepeat.h"

namespace corvell::panels {
namespace {

int32_t toggled(int32_t v) {
    return v == 0 ? 1 : 0;
}

}  // namespace

ReceiverLogic::ReceiverLogic(const Neighbours& n, ui::clsImgRepeat& repeater, PanelImages& images,
                             ReceiverView& view)
    : rx_(n.rx),
      memory_(n.memory),
      ops_(n.memoryList),
      settings_(n.settings),
      toneDialog_(n.toneDialog),
      repeater_(repeater),
      images_(images),
      view_(view) {
    tenkey_.off();
    tenkey_.setDigit(10);
}

// ---- keys ----

void ReceiverLogic::levelKnob(const RxImage& image) {
    const bool left = repeater_.RepeatButton() == 1;
    const bool raise = image.knob == RxKnob::LeftRaises ? left : repeater_.RepeatButton() == 2;
    auto next = [raise](int32_t v, int32_t below, int32_t top) {
        return raise ? LevelUp(v, below, top) : LevelDown(v);
    };
    frmSCANctrl* scan = ScanCtrl();
    switch (image.action) {
        case RxAction::AfGain:
            rx_.setAfgain(next(rx_.afgain(), 250, 250));
            break;
        case RxAction::Squelch:
            rx_.setSquelch(next(rx_.squelch(), 250, 250));
            break;
        case RxAction::IfShift:
            rx_.setIfshift(next(rx_.ifshift(), 250, 255));
            break;
        case RxAction::ScanSpeed:
            if (scan) scan->setSpeed(static_cast<int16_t>(next(scan->speed(), 95, 100)));
            break;
        case RxAction::ScanDelay:
            if (scan) scan->setDelaytime(static_cast<int16_t>(next(scan->delaytime(), 95, 100)));
            break;
        default:
            break;
    }
}

bool ReceiverLogic::fires(const RxImage& image) const {
    switch (image.when) {
        case RxWhen::Press:
            return repeater_.RepeatStat() == 1;
        case RxWhen::Every:
            return true;
        case RxWhen::Confirmed:
            return repeater_.RepeatCount() > 2;
    }
    return false;
}

void ReceiverLogic::runAction(const RxImage& image) {
    const int32_t mode = rx_.mode();
    const bool fmLike = mode == 5 || mode == 6;
    frmSCANctrl* scan = ScanCtrl();
    switch (image.action) {
        case RxAction::None:
            break;
        case RxAction::Att:
            rx_.setAtt(toggled(rx_.att()));
            break;
        case RxAction::FilterDown:
            rx_.setFilter(rx_.filter() - 1);
            break;
        case RxAction::FilterUp:
            rx_.setFilter(rx_.filter() + 1);
            break;
        case RxAction::AfGain:
        case RxAction::Squelch:
        case RxAction::IfShift:
        case RxAction::ScanSpeed:
        case RxAction::ScanDelay:
            levelKnob(image);
            break;
        case RxAction::Tenkey:
            Tenkey_Input(image.code);
            break;
        case RxAction::Mch:
            MchKey();
            break;
        case RxAction::StepUp:
            rx_.TSbase().moveup();
            rx_.AutoMode().off();
            break;
        case RxAction::StepDown:
            rx_.TSbase().movedown();
            rx_.AutoMode().off();
            break;
        case RxAction::ChannelDown:
            memory_.ChDown();
            MemoryRecall();
            break;
        case RxAction::ChannelUp:
            memory_.ChUp();
            MemoryRecall();
            break;
        case RxAction::BankUp:
            ops_.BankUpEndless();
            MemoryRecall();
            break;
        case RxAction::BankDown:
            ops_.BankDownEndless();
            MemoryRecall();
            break;
        case RxAction::MemoryWrite:
            ops_.mem_write();
            break;
        case RxAction::MemoryClear:
            ops_.mem_clear();
            break;
        case RxAction::ToneSquelch:
            if (toneDialog_) {
                CtcssDialogRef dialog(*toneDialog_);
                ToneSquelchKey(&dialog, rx_);
            }
            break;
        case RxAction::Mode:
            rx_.ModeGroup(image.code);
            rx_.AutoMode().off();
            break;
        case RxAction::ModeSsb:
            rx_.AutoMode().off();
            if (mode == 0) {
                rx_.ModeGroup(1);
            } else if (mode == 1) {
                rx_.ModeGroup(0);
            } else {
                rx_.ModeGroup(rx_.Frequency() >= 10000000 ? 1 : 0);
            }
            break;
        case RxAction::AutoMode:
            rx_.AutoMode().setMode(rx_.AutoMode().mode() ? 0 : 1);
            break;
        case RxAction::ScopeSpanUp:
            view_.ScopeSpanStep(0);
            break;
        case RxAction::ScopeSpanDown:
            view_.ScopeSpanStep(1);
            break;
        case RxAction::ScopeOnOff:
            if (rx_.ScopeDATA().mode() != 0) {
                view_.ScopeOff();
            } else {
                view_.ScopeOn();
            }
            break;
        case RxAction::ScopePause:
            view_.ScopePauseToggle();
            break;
        case RxAction::ScanStopKey:
            if (scan) scan->scan_stop();
            break;
        case RxAction::ProgramScan:
            ScanToggle(1);
            break;
        case RxAction::AutoWriteScan:
            ScanToggle(2);
            break;
        case RxAction::MemoryScan:
            ScanToggle(3);
            break;
        case RxAction::ScanSettings:
            view_.keyAction("SCANSET");
            break;
        case RxAction::Dial:
            repeater_.setRepeatTime(
                DialRepeatTime(repeater_.RepeatCount(), rx_.TSbase().tsfrq(), settings_.DialSpeed));
            DialStep(repeater_.RepeatButton() == 1);
            break;
        case RxAction::AfcOrNb:
            if (isBlank_) break;
            if (fmLike) {
                rx_.setAfc(toggled(rx_.afc()));
                rx_.AFCctrl().exec();
            } else {
                rx_.setNb(toggled(rx_.nb()));
            }
            break;
        case RxAction::Agc:
            if (!isBlank_) rx_.setAgc(toggled(rx_.agc()));
            break;
        case RxAction::Vsc:
            rx_.setVsc(toggled(rx_.vsc()));
            break;
    }
}

void ReceiverLogic::visibleTick() {
    if (blinkTick_.counter() == 0) {
        blinkOn_ = !blinkOn_;
        blinkTick_.setCounter(kBlinkMs);
        redrawNeeded_ = true;
    }
    // The raw 0/1 against the stored -1/0: every busy tick differs, and one more after.
    if (rx_.busy() != lastBusy_) {
        lastBusy_ = rx_.busy() != 0 ? -1 : 0;
        redrawNeeded_ = true;
    }
    if (rx_.DispReq() || redrawNeeded_) {
        rx_.setDispReq(false);
        redrawNeeded_ = false;
        view_.redraw();
    }
    frmSCANctrl* scan = ScanCtrl();
    if (scan && scan->scanning() != 0 && tenkey_.mode() != 0) {
        ScanStop();
        tenkey_.off();
    }
    DispSmeter();
}

void ReceiverLogic::ImgKey_Operation() {
    const int index = repeater_.RepeatIndex();
    // Only the key-pad images keep an entry open.
    if (tenkey_.mode() != 0 && (index < 11 || index > 24)) tenkey_.off();
    // Any key but the scan keys ends the scan's "continue" state.
    if (index < 42 || index > 46) {
        if (frmSCANctrl* scan = ScanCtrl()) scan->continus_reset();
    }
    if (rx_.Power() == 0) return;
    CheckBlank();
    const RxImage* image = FindReceiverImage(index);
    if (image && fires(*image)) runAction(*image);
    view_.redraw();
}

void ReceiverLogic::Tuner_Key_Operation(int keyCode, int shift) {
    // The receiver panel leaves automatic mode on when Shift+Left/Right step.
    if (PcKey_Operation(tenkey_, rx_, keyCode, shift, false).redraw) view_.redraw();
}

void ReceiverLogic::Tenkey_Input(int16_t code) {
    panels::Tenkey_Input(tenkey_, rx_, code);
}

void ReceiverLogic::Tenkey_Enter() {
    panels::Tenkey_Enter(tenkey_, rx_);
}

void ReceiverLogic::MchKey() {
    panels::MchKey(tenkey_, rx_, memory_, ops_);
}

void ReceiverLogic::MemoryRecall() {
    RecallActiveChannel(rx_, memory_, ops_);
}

// ---- display ----

bool ReceiverLogic::held(int index) const {
    // A key that does nothing while the receiver is off does not look pressed either.
    return repeater_.RepeatIndex() == index && repeater_.RepeatStat() > 0 && rx_.Power() != 0;
}

void ReceiverLogic::setKeyHeld(int index, int16_t id) {
    images_.setWanted(index, held(index) ? id : int16_t{0});
}

void ReceiverLogic::setKeyHeldBlink(int index, int16_t id) {
    images_.setWanted(index, held(index) && blinkOn_ ? id : int16_t{0});
}

void ReceiverLogic::setKeyState(int index, int16_t base) {
    images_.setWanted(index, static_cast<int16_t>(held(index) ? base + 1 : base));
}

void ReceiverLogic::DispIndicators() {
    const int32_t mode = rx_.mode();
    const bool fm = mode == 6 || mode == 5;
    CheckBlank();
    DispTenkey();
    DispKnobs();
    DispBusyLamp();
    for (auto [i, id] : {std::pair{3, 3084}, {4, 3086}, {42, 3020}}) {
        setKeyHeld(i, static_cast<int16_t>(id));
    }
    if (frmSCANctrl* scan = ScanCtrl()) {
        struct ScanKey {
            int index;
            int16_t heldId, blinkId, kind;
        };
        for (const ScanKey& k :
             {ScanKey{43, 3018, 3114, 1}, ScanKey{44, 3024, 3115, 2}, ScanKey{45, 3026, 3102, 3}}) {
            setKeyHeld(k.index, k.heldId);
            if (images_.wanted(k.index) != k.heldId && blinkOn_ && scan->scantype() == k.kind) {
                images_.setWanted(k.index, k.blinkId);
            }
        }
    }
    static constexpr std::pair<int, int16_t> kHeld[] = {
        {46, 3028}, {33, 3117}, {34, 3042}, {35, 3040}, {36, 3044}, {93, 3046},
        {92, 3048}, {37, 3050}, {11, 3052}, {12, 3054}, {13, 3056}, {14, 3058},
        {15, 3060}, {16, 3062}, {17, 3064}, {18, 3066}, {19, 3068}, {20, 3072},
        {21, 3070}, {22, 3074}, {23, 3076}, {24, 3078}};
    for (auto [i, id] : kHeld) setKeyHeld(i, id);
    static constexpr std::pair<int, int16_t> kBlink[] = {{25, 3082}, {26, 3080}, {28, 2061},
                                                         {27, 2063}, {29, 2061}, {30, 2063}};
    for (auto [i, id] : kBlink) setKeyHeldBlink(i, id);
    setKeyHeld(31, 2067);
    setKeyHeld(32, 2067);
    if (repeater_.RepeatCount() > 2) {
        images_.setWanted(95, repeater_.RepeatIndex() == 32 ? 2096 : 2095);
        images_.setWanted(94, repeater_.RepeatIndex() == 31 ? 2094 : 2093);
    }
    setKeyHeld(38, 3030);
    setKeyHeld(39, 3032);
    setKeyState(40, rx_.ScopeDATA().mode() == 0 ? 3033 : 3035);
    setKeyHeld(41, 3038);
    images_.setWanted(74, FilterBarId(isBlank_, rx_.filter()));
    images_.setWanted(78, !isBlank_ && mode == 5 && rx_.ctcss() != 0 ? 1237 : 0);
    images_.setWanted(79, rx_.AutoMode().mode() ? 3118 : 0);
    if (fm) {
        setKeyState(89, rx_.afc() == 0 || isBlank_ ? 3016 : 3014);
    } else {
        setKeyState(89, rx_.nb() == 0 || isBlank_ ? 3012 : 3010);
    }
    setKeyState(1, rx_.att() == 0 || isBlank_ ? 3008 : 3006);
    setKeyState(90, rx_.agc() == 0 || isBlank_ ? 3112 : 3110);
    setKeyState(91, rx_.vsc() == 0 ? 3004 : 3002);
    view_.showDirect(
        80, CentreMeterId(mode, rx_.filter(), rx_.rxerr(), rx_.Blank() != 0, rx_.cmeter()));
    static constexpr std::pair<int, int16_t> kLegends[] = {{83, 3091}, {82, 3092}, {84, 3090},
                                                           {85, 3089}, {86, 3088}, {87, 3087}};
    for (auto [i, id] : kLegends) images_.setWanted(i, id);
}

void ReceiverLogic::DispAfterImages() {
    view_.ShowScopeStatus(false);
    view_.ScopeMarker();
    DispModeLamp();
    DispMemoryText();
    DispSmeter();
}

void ReceiverLogic::DispTenkey() {
    const std::string& text =
        DispTenkeyText(readoutText_, tenkey_.mode() != 0, tenkey_.buff(), rx_.Frequency());
    for (std::size_t p = 0; p < text.size() && p < kReceiverReadoutPlaces; ++p) {
        images_.setWanted(kReceiverFirstDigitImage + static_cast<int>(p), ReadoutGlyph(text[p]));
    }
}

void ReceiverLogic::CheckBlank() {
    const BlankState blank = panels::CheckBlank(rx_, memory_);
    isBlank_ = blank.isBlank;
    chIsBlank_ = blank.chIsBlank;
}

std::optional<int32_t> ReceiverLogic::knobLevel(const RxImage& knob) const {
    frmSCANctrl* scan = ScanCtrl();
    switch (knob.action) {
        case RxAction::AfGain:
            return rx_.afgain();
        case RxAction::Squelch:
            return rx_.squelch();
        case RxAction::IfShift:
            return rx_.ifshift();
        case RxAction::ScanSpeed:
            if (!scan) return std::nullopt;
            return ScanSpeedLevel(scan->speed());
        case RxAction::ScanDelay:
            if (!scan) return std::nullopt;
            return ScanDelayLevel(scan->delaytime());
        default:
            return std::nullopt;
    }
}

void ReceiverLogic::DispKnobs() {
    for (int k = 0; k < static_cast<int>(kKnobImages.size()); ++k) {
        const RxImage* image = FindReceiverImage(kKnobImages[static_cast<std::size_t>(k)]);
        const std::optional<int32_t> level = knobLevel(*image);
        if (!level) continue;
        const int32_t a = KnobAngle(*level);
        if (a == knobShown_[static_cast<std::size_t>(k)]) continue;
        knobShown_[static_cast<std::size_t>(k)] = a;
        view_.moveKnobMark(k, KnobMark(KnobCentre(image->x, image->width),
                                       KnobCentre(image->y, image->height), a));
    }
}

void ReceiverLogic::DispBusyLamp() {
    const int state = BusyLampState(rx_.busy(), rx_.rxerr(), rx_.Blank() != 0, rx_.Frequency());
    if (state == lastBusyLamp_) return;
    lastBusyLamp_ = state;
    view_.showDirect(60, BusyLampId(state));
}

void ReceiverLogic::DispModeLamp() {
    const int16_t id = ModeLampId(rx_.Blank() != 0, rx_.mode());
    if (id == lastModeLamp_) return;
    lastModeLamp_ = id;
    view_.showDirect(73, id > 0 ? id : int16_t{0});
}

void ReceiverLogic::DispMemoryText() {
    CheckBlank();
    const int bank = memory_.ActiveBank();
    const int ch = memory_.ActiveCh();
    auto show = [this](std::string& last, RxLabel label, std::string text) {
        if (text == last) return;
        last = std::move(text);
        view_.showLabel(label, last);
    };
    show(lastTsText_, RxLabel::Step, TunerLogic::StepText(rx_.TSbase().tsname(), isBlank_));
    show(lastBankName_, RxLabel::BankName, memory_.BankName(bank));
    show(lastChName_, RxLabel::ChName,
         chIsBlank_ ? std::string(kBlankChannelText) : memory_.chData(bank, ch).name1());
    show(lastBankNum_, RxLabel::BankNum, TwoDigits(bank));
    show(lastChNum_, RxLabel::ChNum, TwoDigits(ch));
}

void ReceiverLogic::DispSmeter() {
    const int32_t level = rx_.SmeterVirtual();
    if (!needleReady_) {
        needleReady_ = true;
        needle_ = NeedleFor(kSmeterWidth, kSmeterHeight);
        tip_ = {needle_.pivotX, needle_.pivotY};
        lastLevel_ = -1;
    }
    if (level == lastLevel_) return;
    lastLevel_ = level;
    const Point tip = NeedleTip(needle_, level);
    if (tip == tip_) return;
    tip_ = tip;
    view_.moveNeedle({needle_.pivotX, needle_.pivotY}, tip);
}

// ---- dial ----

void ReceiverLogic::DialStep(bool down) {
    DialStepTune(rx_, down);
    TurnDial(down ? -1 : 1);
}

void ReceiverLogic::TurnDial(int n) {
    dialPosition_ = TurnDialPosition(dialPosition_, n);
    view_.moveDialMark(DialMarkAt(DialAngle(dialPosition_)));
}

// ---- name editing ----

void ReceiverLogic::cancelEntry() {
    tenkey_.Operation_s("CE", rx_.Frequency());
}

std::string ReceiverLogic::bankNameForEdit() {
    return BankNameForEdit(memory_);
}

std::string ReceiverLogic::chNameForEdit() {
    return ChNameForEdit(memory_);
}

void ReceiverLogic::StoreBankName(const std::string& text) {
    panels::StoreBankName(memory_, ops_, text);
}

void ReceiverLogic::StoreChName(const std::string& text) {
    panels::StoreChName(memory_, ops_, text);
}

}  // namespace corvell::panels
