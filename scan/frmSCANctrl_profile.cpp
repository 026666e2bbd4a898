// Section "SCAN" of the settings file: the 20 program channels, then the settings.
#include <cstdio>

#include "core/ChannelRowText.h"
#include "core/ProgramObjects.h"
#include "core/clsMchDATA.h"
#include "core/clsProfileIO.h"
#include "platform/message_box.h"
#include "platform/private_profile.h"
#include "scan/frmSCANctrl.h"

namespace corvell {

namespace {

constexpr const char* kSection = "SCAN";

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

#define CORVELL_FIELD(MEMBER) [](frmSCANctrl& s) -> int16_t& { return s.MEMBER; }

// Loaded and saved in this order, after the program channels.
const frmSCANctrl::SettingKey frmSCANctrl::kSettingKeys[] = {
    {"PROGRAMNO", CORVELL_FIELD(programno_), 1, 1, kPchCount},
    {"MEMOSEL", CORVELL_FIELD(memotag_), 0, 0, 1},
    {"MEMOSKIP", CORVELL_FIELD(memoskip_), 0, 0, 1},
    {"MEMOMODE", CORVELL_FIELD(memomode_), 0, 0, 1},
    {"MEMOMODE_LSB", CORVELL_FIELD(modeFlags_[0]), 1, 0, 1},
    {"MEMOMODE_USB", CORVELL_FIELD(modeFlags_[1]), 1, 0, 1},
    {"MEMOMODE_CW", CORVELL_FIELD(modeFlags_[2]), 1, 0, 1},
    {"MEMOMODE_AM", CORVELL_FIELD(modeFlags_[3]), 1, 0, 1},
    {"MEMOMODE_FM", CORVELL_FIELD(modeFlags_[4]), 1, 0, 1},
    {"MEMOMODE_WFM", CORVELL_FIELD(modeFlags_[5]), 1, 0, 1},
    {"DELAYTYPE", CORVELL_FIELD(delaytype_), 0, 0, 2},
    {"DELAYTIME", CORVELL_FIELD(delaytime_), 0, 0, 100},
    {"RESTARTDELAY", CORVELL_FIELD(restartdelay_), 2, 0, 2},
    {"SPEED", CORVELL_FIELD(speed_), 50, 0, 100},
    {"AUTOMEBANK", CORVELL_FIELD(autobank_), 20, 1, 20},
    {"SPEEDBASE_P", CORVELL_FIELD(speedbaseP_), 25, 10, 100},
    {"SPEEDBASE_M", CORVELL_FIELD(speedbaseM_), 25, 10, 100},
};

#undef CORVELL_FIELD

void frmSCANctrl::loadData() {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection(kSection);
    for (int16_t i = 1; i <= kPchCount; ++i) {
        std::string text;
        profile.loadData(pchKey(i), text, std::string());
        if (!ReadChannelRowText(text, pchData(i))) DefaultBlank(i);
    }
    for (const SettingKey& k : kSettingKeys) {
        k.field(*this) = loadClamped(profile, k.key, k.def, k.lo, k.hi);
    }
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
    for (const SettingKey& k : kSettingKeys) profile.saveData(k.key, k.field(*this));
    if (!batch.commit()) platform::logLine("Corvell", "the scan settings were not saved");
}

}  // namespace corvell
