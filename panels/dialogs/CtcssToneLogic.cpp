#include "panels/dialogs/CtcssToneLogic.h"

#include <algorithm>

#include "core/ToneList.h"
#include "core/clsProfileIO.h"
#include "core/frmTesselbase.h"

namespace corvell::panels {
namespace {

constexpr const char* kSection = "DLGTONE";
constexpr const char* kKey = "TONEBUFF";

}  // namespace

void CtcssToneLogic::load(clsProfileIO& profile) {
    profile.setSection(kSection);
    int32_t tone = 0;
    if (!profile.loadData(kKey, tone, int32_t{0})) tone = 0;
    remembered_ = static_cast<int16_t>(std::clamp<int32_t>(tone, 1, kCtcssToneCount));
}

bool CtcssToneLogic::save(clsProfileIO& profile) const {
    profile.setSection(kSection);
    return profile.saveData(kKey, remembered_);
}

int16_t CtcssToneLogic::currentTone() const {
    return static_cast<int16_t>(std::clamp<int32_t>(rx_.ctcss(), 0, kCtcssToneCount));
}

bool CtcssToneLogic::check(bool dialogVisible) const {
    if (rx_.mode() == 5 && rx_.Blank() == 0) return rx_.ctcss() > 0;
    return dialogVisible;
}

void CtcssToneLogic::ctcss_on() {
    rx_.setCtcss(remembered_);
}

void CtcssToneLogic::ctcss_off() {
    rx_.setCtcss(0);
}

void CtcssToneLogic::pick(int index) {
    rx_.setCtcss(std::clamp(index, 0, static_cast<int>(kCtcssToneCount)));
}

CtcssToneLogic::Step CtcssToneLogic::Task_exec() {
    Step step{ListEnabled(rx_.Blank(), rx_.mode()), std::nullopt};
    const auto tone = static_cast<int16_t>(rx_.ctcss());
    if (tone != lastShown_) {
        lastShown_ = tone;
        step.showIndex = tone;
    }
    if (tone > 0 && tone <= kCtcssToneCount) remembered_ = tone;
    return step;
}

}  // namespace corvell::panels
