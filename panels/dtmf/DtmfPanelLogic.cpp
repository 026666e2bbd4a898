#include "panels/dtmf/DtmfPanelLogic.h"

#include <array>

#include "core/clsDtmfOption.h"
#include "core/frmTesselbase.h"
#include "panels/dtmf/DtmfDecoder.h"
#include "ui/clsImgRepeat.h"

namespace corvell::panels {
namespace {

constexpr std::array<DtmfImage, kDtmfImageCount + 1> makeImages() {
    std::array<DtmfImage, kDtmfImageCount + 1> table{};
    for (int i = 0; i <= kDtmfImageCount; ++i) {
        table[static_cast<std::size_t>(i)] = {static_cast<int16_t>(i), -1000, -1000, 1, 1, nullptr};
    }
    for (int i = 1; i <= 21; ++i) {
        table[static_cast<std::size_t>(i)] = {
            static_cast<int16_t>(i), static_cast<int16_t>(160 + 14 * (i - 1)), 12, 12, 12, nullptr};
    }
    table[kDtmfKeyDisplay] = {kDtmfKeyDisplay, 78, 36, 29, 11, "DTMF"};
    table[kDtmfKeyRemote] = {kDtmfKeyRemote, 211, 36, 29, 11, "REMOTE"};
    table[kDtmfKeySet] = {kDtmfKeySet, 346, 36, 29, 11, "SET"};
    table[kDtmfLampDisplay] = {kDtmfLampDisplay, 42, 36, 27, 9, nullptr};
    table[kDtmfLampRemote] = {kDtmfLampRemote, 175, 36, 27, 9, nullptr};
    return table;
}

constexpr std::array<DtmfImage, kDtmfImageCount + 1> kImages = makeImages();

}  // namespace

const DtmfImage* DtmfImages() {
    return kImages.data();
}

DtmfPanelLogic::DtmfPanelLogic(frmTesselbase& rx, clsDtmfOption& option, const DtmfDecoder& decoder,
                               ui::clsImgRepeat& repeater, PanelImages& images, DtmfView& view)
    : rx_(rx),
      option_(option),
      decoder_(decoder),
      repeater_(repeater),
      images_(images),
      view_(view) {}

int16_t DtmfPanelLogic::GlyphId(char c) {
    if (c == '0') return 1510;
    if (c >= '1' && c <= '9') return static_cast<int16_t>(1511 + (c - '1'));
    if (c >= 'A' && c <= 'D') return static_cast<int16_t>(1520 + (c - 'A'));
    if (c == '*') return 1524;
    if (c == '#') return 1525;
    return 0;
}

void DtmfPanelLogic::DispIndicators() {
    const std::string& code = decoder_.ReceivedCode();
    for (int i = 1; i <= kDtmfShownCharacters; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        images_.setWanted(i, at < code.size() ? GlyphId(code[at]) : int16_t{0});
    }
    const int held = repeater_.RepeatIndex();
    const int stat = repeater_.RepeatStat();
    for (int key : {kDtmfKeyDisplay, kDtmfKeyRemote, kDtmfKeySet}) {
        images_.SetKeyHeld(key, kDtmfKeyHeldId, held, stat);
    }
    images_.setWanted(kDtmfLampDisplay, option_.DtmfOn() ? kDtmfLampId : int16_t{0});
    images_.setWanted(kDtmfLampRemote,
                      option_.DtmfOn() && option_.RemoteOn() ? kDtmfRemoteLampId : int16_t{0});
}

void DtmfPanelLogic::ImgKey_Operation() {
    if (rx_.Power() == 0) return;
    if (repeater_.RepeatStat() == 1) {
        switch (repeater_.RepeatIndex()) {
            case kDtmfKeyDisplay:
                option_.setDtmfOn(!option_.DtmfOn());
                break;
            case kDtmfKeyRemote:
                if (option_.DtmfOn()) option_.setRemoteOn(!option_.RemoteOn());
                break;
            case kDtmfKeySet:
                view_.sendKeyAction("DTMFSET");
                break;
            default:
                break;
        }
    }
    view_.redraw();
}

}  // namespace corvell::panels
