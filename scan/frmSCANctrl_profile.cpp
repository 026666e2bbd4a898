// Section "SCAN" of the settings file: the 20 program channels, then the settings.
#include <cstdio>

#include "core/ChannelRowText.h"
#include "core/ProgramObjects.h"
#include "core/clsMchDATA.h"
#include "core/clsProfileIO.h"
#include "platform/private_profile.h"
#include "scan/frmSCANctrl.h"

namespace corvell {

namespace {

constexpr const char* kSection = "SCAN";
constexpr const char* kModeKeys[] = {"MEMOMODE_LSB", "MEMOMODE_USB", "MEMOMODE_CW",
                                     "MEMOMODE_AM",  "MEMOMODE_FM",  "MEMOMODE_WFM"};

std::string pchKey(int i) {
    char key[8];
    std::snprintf(key, sizeof key, "PCH%02d", i);
    return key;
}

// Reads one number with its default and brings it into lo..hi.
int16_t loadClamped(clsProfileIO& profile, const char* key, int16_t def, int16_t lo, int16_t hi) {
    int16_t v = def;
    profile.loadData(key, v, def);
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace

void frmSCANctrl::loadData() {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection(kSection);
    for (int16_t i = 1; i <= kPchCount; ++i) {
        std::string text;
        profile.loadData(pchKey(i), text, std::string());
        if (!ReadChannelRowText(text, pchData(i))) DefaultBlank(i);
    }
    programno_ = loadClamped(profile, "PROGRAMNO", 1, 1, kPchCount);
    memotag_ = loadClamped(profile, "MEMOSEL", 0, 0, 1);
    memoskip_ = loadClamped(profile, "MEMOSKIP", 0, 0, 1);
    memomode_ = loadClamped(profile, "MEMOMODE", 0, 0, 1);
    for (size_t m = 0; m < modeFlags_.size(); ++m) {
        modeFlags_[m] = loadClamped(profile, kModeKeys[m], 1, 0, 1);
    }
    delaytype_ = loadClamped(profile, "DELAYTYPE", 0, 0, 2);
    delaytime_ = loadClamped(profile, "DELAYTIME", 0, 0, 100);
    restartdelay_ = loadClamped(profile, "RESTARTDELAY", 2, 0, 2);
    speed_ = loadClamped(profile, "SPEED", 50, 0, 100);
    autobank_ = loadClamped(profile, "AUTOMEBANK", 20, 1, 20);
    speedbaseP_ = loadClamped(profile, "SPEEDBASE_P", 25, 10, 100);
    speedbaseM_ = loadClamped(profile, "SPEEDBASE_M", 25, 10, 100);
}

void frmSCANctrl::saveData() {
    clsProfileIO& profile = ProgramProfile();
    // The whole section goes to the file in one write.
    platform::ProfileBatch batch(profile.GetMyProfile());
    profile.setSection(kSection);
    for (int16_t i = 1; i <= kPchCount; ++i) {
        // A row without a low edge is blank: eight empty fields.
        const clsMchDATA& row = pchData(i);
        profile.saveData(pchKey(i),
                         row.lngFreq() < 1 ? std::string(",,,,,,,") : ChannelRowText(row));
    }
    profile.saveData("PROGRAMNO", programno_);
    profile.saveData("MEMOSEL", memotag_);
    profile.saveData("MEMOSKIP", memoskip_);
    profile.saveData("MEMOMODE", memomode_);
    for (size_t m = 0; m < modeFlags_.size(); ++m) profile.saveData(kModeKeys[m], modeFlags_[m]);
    profile.saveData("DELAYTYPE", delaytype_);
    profile.saveData("DELAYTIME", delaytime_);
    profile.saveData("RESTARTDELAY", restartdelay_);
    profile.saveData("SPEED", speed_);
    profile.saveData("AUTOMEBANK", autobank_);
    profile.saveData("SPEEDBASE_P", speedbaseP_);
    profile.saveData("SPEEDBASE_M", speedbaseM_);
    if (!batch.commit()) std::fprintf(stderr, "Corvell: the scan settings were not saved\n");
}

}  // namespace corvell
