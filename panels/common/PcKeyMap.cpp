#include "panels/common/PcKeyMap.h"

#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "panels/common/LevelRule.h"
#include "ui/VirtualKeys.h"

namespace corvell::panels {

PcKeyAction MapPcKey(int keyCode, int shift) {
    namespace vk = ui::vk;
    auto tenkey = [](int code) {
        return PcKeyAction{PcKeyKind::Tenkey, static_cast<int16_t>(code)};
    };
    if (keyCode == vk::Return || keyCode == vk::Separator) return tenkey(12);
    if (keyCode == vk::Decimal || keyCode == vk::OemPeriod) return tenkey(10);
    if (keyCode == vk::Escape) return tenkey(11);
    if (keyCode >= vk::Key0 && keyCode <= vk::Key0 + 9) return tenkey(keyCode - vk::Key0);
    if (keyCode >= vk::Numpad0 && keyCode <= vk::Numpad0 + 9) return tenkey(keyCode - vk::Numpad0);
    const bool shiftBit = (shift & ui::kShiftMask) != 0;
    switch (keyCode) {
        case vk::Right:
            return shift == ui::kShiftMask ? PcKeyAction{PcKeyKind::StepUp} : PcKeyAction{};
        case vk::Left:
            return shift == ui::kShiftMask ? PcKeyAction{PcKeyKind::StepDown} : PcKeyAction{};
        case vk::Up:
            return {shiftBit ? PcKeyKind::SquelchUp : PcKeyKind::AfGainUp};
        case vk::Down:
            return {shiftBit ? PcKeyKind::SquelchDown : PcKeyKind::AfGainDown};
        default:
            return {};
    }
}

bool ApplyStepOrLevelKey(frmTesselbase& rx, PcKeyAction action) {
    switch (action.kind) {
        case PcKeyKind::StepUp:
            rx.TSbase().moveup();
            return true;
        case PcKeyKind::StepDown:
            rx.TSbase().movedown();
            return true;
        case PcKeyKind::AfGainUp:
            rx.setAfgain(LevelUp(rx.afgain()));
            return true;
        case PcKeyKind::AfGainDown:
            rx.setAfgain(LevelDown(rx.afgain()));
            return true;
        case PcKeyKind::SquelchUp:
            rx.setSquelch(LevelUp(rx.squelch()));
            return true;
        case PcKeyKind::SquelchDown:
            rx.setSquelch(LevelDown(rx.squelch()));
            return true;
        case PcKeyKind::None:
        case PcKeyKind::Tenkey:
            return false;
    }
    return false;
}

}  // namespace corvell::panels
