#include "panels/mode/ModeLogic.h"

#include <algorithm>

#include "core/clsAFCctrl.h"
#include "core/clsAUTOMODE.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "panels/mode/ModeKeys.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "ui/clsImgRepeat.h"

namespace corvell::panels {

ModeLogic::ModeLogic(const Neighbours& n, ui::clsImgRepeat& repeater, PanelImages& images,
                     std::function<void()> redraw)
    : rx_(n.rx),
      memory_(n.memory),
      tone_(n.toneDialog),
      scopeButtons_(n.scopeButtons),
      repeater_(repeater),
      images_(images),
      redraw_(std::move(redraw)) {}

int16_t ModeLogic::IfShiftPicture(int32_t ifshift) {
    const int step = static_cast<int>(std::clamp(ifshift, 0, 255) / (256.0 / 7.0));
    return static_cast<int16_t>(1238 + std::clamp(step, 0, 6));
}

int16_t ModeLogic::ModePicture(int32_t mode) {
    switch (mode) {
        case 0:
            return 1214;
        case 1:
            return 1215;
        case 2:
            return 1217;
        case 3:
            return 1216;
        case 6:
            return 1219;
        default:
            return 1218;
    }
}

void ModeLogic::ReadMemoryState() {
    isBlank_ = rx_.Blank() != 0;
    chIsBlank_ = memory_.chk_blank(memory_.ActiveBank(), memory_.ActiveCh());
}

void ModeLogic::DispIndicators() {
    ReadMemoryState();
    const int held = repeater_.RepeatIndex();
    const int stat = repeater_.RepeatStat();
    for (const ModeKey& key : ModeKeys()) images_.SetKeyHeld(key.index, key.heldId, held, stat);
    const bool blank = isBlank_;
    const int32_t mode = rx_.mode();
    images_.setWanted(18, !rx_.AutoMode().mode() || blank ? 1220 : 1221);
    images_.setWanted(19, ModePicture(mode));
    images_.setWanted(20, static_cast<int16_t>(1222 + std::clamp(rx_.filter(), 0, 4)));
    const bool noShift = mode == 2 || mode == 5 || mode == 6;
    images_.setWanted(21, noShift ? int16_t{1245} : IfShiftPicture(rx_.ifshift()));
    images_.setWanted(28, mode == 5 && rx_.ctcss() != 0 ? 1237 : 0);
    auto lamp = [&](int index, int32_t value, int16_t offId) {
        images_.setWanted(index, value == 0 || blank ? offId : static_cast<int16_t>(offId + 1));
    };
    lamp(24, rx_.att(), 1227);
    lamp(25, rx_.nb(), 1231);
    lamp(23, rx_.agc(), 1229);
    lamp(22, rx_.afc(), 1233);
    images_.setWanted(27, rx_.afmute() != 0 ? 1236 : 1235);
    images_.setWanted(26, rx_.moni() != 0 ? 1236 : 1235);
}

void ModeLogic::ImgKey_Operation() {
    if (frmSCANctrl* scan = ScanCtrl()) (void)scan->continus_reset();
    if (rx_.Power() == 0) return;
    if (const ModeKey* key = FindModeKey(repeater_.RepeatIndex())) {
        ReadMemoryState();
        const bool fires =
            (key->everyFiring || repeater_.RepeatStat() == 1) && !(key->notBlank && isBlank_);
        if (fires) run(*key);
    }
    if (redraw_) redraw_();
    if (scopeButtons_) scopeButtons_();
}

void ModeLogic::run(const ModeKey& key) {
    auto flip = [](int32_t v) { return v == 0 ? 1 : 0; };
    switch (key.action) {
        case ModeAction::Ssb: {
            rx_.AutoMode().off();
            const int32_t mode = rx_.mode();
            if (mode == 0) {
                rx_.ModeGroup(1);
            } else if (mode == 1) {
                rx_.ModeGroup(0);
            } else {
                rx_.ModeGroup(rx_.Frequency() < 10000000 ? 0 : 1);
            }
            break;
        }
        case ModeAction::Cw:
            rx_.ModeGroup(3);
            rx_.AutoMode().off();
            break;
        case ModeAction::Am:
            rx_.ModeGroup(2);
            rx_.AutoMode().off();
            break;
        case ModeAction::AutoMode:
            rx_.AutoMode().setMode(!rx_.AutoMode().mode());
            break;
        case ModeAction::Wfm:
            rx_.ModeGroup(6);
            rx_.AutoMode().off();
            break;
        case ModeAction::Fm:
            rx_.ModeGroup(5);
            rx_.AutoMode().off();
            break;
        case ModeAction::ToneSquelch:
            ToneSquelchKey(tone_, rx_);
            break;
        case ModeAction::FilterUp:
            rx_.setFilter(rx_.filter() + 1);
            break;
        case ModeAction::FilterDown:
            rx_.setFilter(rx_.filter() - 1);
            break;
        case ModeAction::IfShiftCentre:
            rx_.setIfshift(128);
            break;
        case ModeAction::Afc:
            rx_.setAfc(flip(rx_.afc()));
            rx_.AFCctrl().exec();
            break;
        case ModeAction::Att:
            rx_.setAtt(rx_.att() != 0 ? 0 : 1);
            break;
        case ModeAction::Nb:
            rx_.setNb(flip(rx_.nb()));
            break;
        case ModeAction::Agc:
            rx_.setAgc(flip(rx_.agc()));
            break;
        case ModeAction::Monitor:
            rx_.setMoni(rx_.moni() == 0 ? 1 : 0);
            break;
        case ModeAction::AfMute:
            rx_.setAfmute(rx_.afmute() == 0 ? 1 : 0);
            break;
    }
}

}  // namespace corvell::panels
