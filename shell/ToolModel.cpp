#include "shell/ToolModel.h"

#include "core/ReceiverCodes.h"

namespace corvell::shell {

const ToolDef* toolDef(int index) {
    if (index < 1 || index > kToolCount) return nullptr;
    return &kTools[static_cast<std::size_t>(index - 1)];
}

bool toolHeld(const ToolInputs& in, int index) {
    return in.toolIndex == index && in.held && in.onImage;
}

bool powerBlinks(const ToolInputs& in) {
    if (!(toolHeld(in, 5) || in.connect != 0)) return false;
    // 9 is a link state the library may report beside "connecting"; both blink.
    return in.linkStat == kLinkStatConnecting || in.linkStat == 9 || in.error != 0;
}

namespace {

int simpleTool(const ToolInputs& in, int base, bool panelOn, bool held) {
    const bool active = (held && in.panelMode == 0) || panelOn;
    if (active) return in.connect == 1 ? base + 1 : base + 3;
    if (in.panelMode == 0) return in.connect == 1 ? base : base + 2;
    return base + 2;
}

// A panel toggle: lit while the panel is to be open, the other picture while held.
int toggleTool(int off, bool panelOn, bool held) {
    return (panelOn != held) ? off + 1 : off;
}

}  // namespace

int toolBitmap(const ToolInputs& in, int index, bool blinkPhase) {
    const bool held = toolHeld(in, index);
    switch (index) {
        case 3:
            return simpleTool(in, 1922, in.tunerOn, held);
        case 2:
            return simpleTool(in, 1926, in.modeOn, held);
        case 1:
            return simpleTool(in, 1930, in.scanOn, held);
        case 4:
            return simpleTool(in, 1934, in.scopeOn, held);
        case 5:
            if (!(held || in.connect != 0)) return 1901;
            if (powerBlinks(in)) return blinkPhase ? 1902 : 1903;
            return 1902;
        case 6:
            return (held || in.panelMode == 0) ? 1905 : 1904;
        case 7:
            return (held || in.panelMode == 1) ? 1907 : 1906;
        case 8:
            return (held || in.panelMode == 2) ? 1909 : 1908;
        case 9:
            return toggleTool(1910, in.mchOn, held);
        case 10:
            return toggleTool(1912, in.dtmfOn, held);
        case 12:
            return in.dspUsable != 0 ? toggleTool(1914, in.dspOn, held) : 0;
        case 11:
            if (!(in.decoderExists && in.darcUsable != 0)) return 0;
            return held ? 1917 : 1916;
        case 13:
            return held ? 1919 : 1918;
        case 14:
            return held ? 1921 : 1920;
        default:
            return 0;
    }
}

bool toolRuns(const ToolInputs& in, int index) {
    const ToolDef* def = toolDef(index);
    if (!def) return false;
    switch (def->run) {
        case ToolRun::SimpleOn:
            return in.panelMode == 0 && in.connect == 1;
        case ToolRun::Always:
        case ToolRun::PowerAlways:
            return true;
        case ToolRun::On:
            return in.connect == 1;
        case ToolRun::DecoderOn:
            return in.decoderExists && in.connect == 1 && in.darcUsable != 0;
        case ToolRun::DspOn:
            return in.connect == 1 && in.dspUsable != 0;
    }
    return false;
}

bool toolPressDropped(int connect, int index) {
    return connect == 0 && ((index >= 1 && index <= 4) || (index >= 6 && index <= 12));
}

}  // namespace corvell::shell
