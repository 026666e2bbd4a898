#include "shell/MenuModel.h"

namespace corvell::shell {

std::string_view menuWord(MenuId menu, int index) {
    for (const MenuItemDef& item : kMenuItems) {
        if (item.menu == menu && item.index == index) return item.word;
    }
    return {};
}

MenuItemState menuItemState(MenuId menu, int index, const MenuInputs& in) {
    MenuItemState s;
    const bool on = in.on;
    switch (menu) {
        case MenuId::File:
            if (index == 0) s.enabled = !on;
            if (index == 1) s.enabled = on;
            break;
        case MenuId::View:
            switch (index) {
                case 0:
                    s = {on && in.panelMode == 0, on, {}};
                    break;
                case 1:
                    s.enabled = on && in.panelMode == 0;
                    break;
                case 2:
                    s = {on && in.panelMode == 1, on, {}};
                    break;
                case 3:
                    s = {on && in.panelMode == 2, on, {}};
                    break;
                case 5:
                    s = {in.memoryVisible, on, {}};
                    break;
                case 6:
                    s = {in.dtmfVisible, on, {}};
                    break;
                case 8:
                    s = {in.dspVisible, in.dspUsable && on, in.dspUsable};
                    break;
                case 9:
                    s = {false, in.decoderUsable && on, in.decoderUsable};
                    break;
                default:
                    break;
            }
            break;
        case MenuId::Simple: {
            const bool shown[] = {in.tunerVisible, in.scanVisible, in.modeVisible, in.scopeVisible};
            if (index >= 0 && index < 4) s.checked = shown[index];
            break;
        }
        default:
            break;
    }
    return s;
}

}  // namespace corvell::shell
