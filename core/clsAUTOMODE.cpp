#include "core/clsAUTOMODE.h"

#include <algorithm>
#include <cstdio>

#include "core/ChannelRowText.h"
#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "platform/message_box.h"
#include "platform/private_profile.h"

namespace corvell {

namespace {

constexpr const char* kSection = "AUTOMODE";

std::string rowKey(int row) {
    char key[8];
    std::snprintf(key, sizeof key, "CH%02d", row);
    return key;
}

}  // namespace

clsAUTOMODE::clsAUTOMODE() {
    for (auto& row : rows_) {
        row = std::make_unique<clsMchDATA>();
        DefaultBlank(*row);
    }
    ReadRows();
}

clsAUTOMODE::~clsAUTOMODE() {
    if (saveWhenGone_ && !WriteRows()) {
        platform::logLine("Corvell", "the automatic mode rows were not saved");
    }
}

size_t clsAUTOMODE::index(int16_t i) {
    return static_cast<size_t>(std::clamp<int>(i, 1, kRows) - 1);
}

clsMchDATA& clsAUTOMODE::chData(int16_t i) {
    return *rows_[index(i)];
}

const clsMchDATA& clsAUTOMODE::chData(int16_t i) const {
    return *rows_[index(i)];
}

int16_t clsAUTOMODE::check(int32_t f) const {
    if (!mode_ || f <= 0) return 0;
    for (int16_t i = 1; i <= kRows; ++i) {
        const clsMchDATA& r = chData(i);
        if (r.lngFreq() > 0 && r.lngFreq() <= f && f <= r.lngFreqHigh()) return i;
    }
    return 0;
}

void clsAUTOMODE::Default(clsMchDATA& record) const {
    record.setName1("");
    record.setLngFreq(144000000);
    record.setLngFreqHigh(146000000);
    record.setIntMode(5);
    record.setIntFilter(kFilter15k);
    record.setTsname("20kHz");
    record.setIntAtt(0);
}

void clsAUTOMODE::DefaultBlank(clsMchDATA& record) const {
    Default(record);
    record.setLngFreq(0);
    record.setLngFreqHigh(0);
}

void clsAUTOMODE::ReadRows() {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection(kSection);
    for (int16_t i = 1; i <= kRows; ++i) {
        clsMchDATA& row = chData(i);
        std::string text;
        profile.loadData(rowKey(i), text);
        // All eight fields come back as they were written, names and ATT included.
        if (!ReadChannelRowText(text, row)) {
            DefaultBlank(row);
            continue;
        }
        row.setIntTag(0);
        row.setIntSkip(0);
        row.setIntTsql(0);
    }
}

bool clsAUTOMODE::WriteRows() const {
    clsProfileIO& profile = ProgramProfile();
    platform::ProfileBatch batch(profile.GetMyProfile());
    profile.setSection(kSection);
    bool written = true;
    for (int16_t i = 1; i <= kRows; ++i) {
        const clsMchDATA& row = chData(i);
        const std::string text = row.lngFreq() >= 1 ? ChannelRowText(row) : std::string(" ");
        written = profile.saveData(rowKey(i), text) && written;
    }
    return batch.commit() && written;
}

}  // namespace corvell
