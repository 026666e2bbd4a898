#include "shell/CaptionText.h"

#include "core/FreqText.h"
#include "core/TextProcs.h"

namespace corvell::shell {

namespace {
constexpr int32_t kLinked = 6;
}  // namespace

std::string captionText(const CaptionInputs& in) {
    if (in.minimised) {
        if (in.linkStat != kLinked) return {};
        return TrimBlanks(FormatFreqMHz(in.frequency)) + (in.busy != 0 ? "*" : "");
    }
    if (in.power == 0) return "Corvell  - Power OFF";
    if (in.linkStat == kLinked && in.error == 0) return "Corvell";
    return "Corvell  - COM Port Trouble? ";
}

}  // namespace corvell::shell
