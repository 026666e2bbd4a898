#include "shell/CaptionText.h"

#include "core/FreqText.h"
#include "core/ReceiverCodes.h"
#include "core/TextProcs.h"

namespace corvell::shell {

std::string captionText(const CaptionInputs& in) {
    if (in.minimised) {
        if (in.linkStat != kLinkStatLinked) return {};
        return TrimBlanks(FormatFreqMHz(in.frequency)) + (in.busy != 0 ? "*" : "");
    }
    if (in.power == 0) return "Corvell  - Power OFF";
    if (in.linkStat == kLinkStatLinked && in.error == 0) return "Corvell";
    return "Corvell  - COM Port Trouble? ";
}

}  // namespace corvell::shell
