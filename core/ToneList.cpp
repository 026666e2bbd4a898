#include "core/ToneList.h"

#include "core/ValueProcs.h"

namespace corvell {
namespace {

constexpr const char* kToneTexts[kCtcssToneCount + 1] = {
    "  OFF   ", "  67.0Hz", "  69.3Hz", "  71.0Hz", "  71.9Hz", "  74.4Hz", "  77.0Hz", "  79.7Hz",
    "  82.5Hz", "  85.4Hz", "  88.5Hz", "  91.5Hz", "  94.8Hz", "  97.4Hz", " 100.0Hz", " 103.5Hz",
    " 107.2Hz", " 110.9Hz", " 114.8Hz", " 118.8Hz", " 123.0Hz", " 127.3Hz", " 131.8Hz", " 136.5Hz",
    " 141.3Hz", " 146.2Hz", " 151.4Hz", " 156.7Hz", " 159.8Hz", " 162.2Hz", " 165.5Hz", " 167.9Hz",
    " 171.3Hz", " 173.8Hz", " 177.3Hz", " 179.9Hz", " 183.5Hz", " 186.2Hz", " 189.9Hz", " 192.8Hz",
    " 196.6Hz", " 199.5Hz", " 203.5Hz", " 206.5Hz", " 210.7Hz", " 218.1Hz", " 225.7Hz", " 229.1Hz",
    " 233.6Hz", " 241.8Hz", " 250.3Hz", " 254.1Hz",
};

}  // namespace

std::string CtcssToneText(int16_t index) {
    return kToneTexts[ClampInt(0, kCtcssToneCount, index)];
}

int16_t BuildCtcssToneList(std::vector<std::string>& list) {
    list.assign(std::begin(kToneTexts), std::end(kToneTexts));
    return kCtcssToneCount;
}

}  // namespace corvell
