#include "memory/clsMemoryDATA.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/ChannelRowText.h"
#include "core/IniProcs.h"
#include "core/PathProcs.h"
#include "core/ReceiverCodes.h"
#include "core/TextProcs.h"
#include "core/ToneList.h"
#include "memory/MchFileNames.h"
#include "platform/file_exists.h"
#include "platform/message_box.h"
#include "platform/private_profile.h"
#include "platform/program_dir.h"

namespace corvell {

namespace {

constexpr const char* kNoName = "NONAME";
constexpr const char* kExtension = ".MCH";

int16_t clampBank(int bank) {
    return static_cast<int16_t>(std::clamp(bank, 0, 19));
}
int16_t clampChannel(int channel) {
    return static_cast<int16_t>(std::clamp(channel, 0, 49));
}

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string bankSection(int bank) {
    return "BANK" + twoDigits(bank);
}

std::string joinPath(const std::string& directory, const std::string& file) {
    return directory.ends_with('/') ? directory + file : directory + "/" + file;
}

// The reader drops one pair of enclosing quotes, so a name that has its own gets another pair.
std::string protectQuotes(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return '"' + value + '"';
    return value;
}

void showFileMessage(const char* what, const std::string& name) {
    platform::tellUser(std::string(what) + "\r\n" + name, platform::MessageIcon::Warning);
}

// The log line of a save that failed: the file, then the reason without the file's name a
// second time (the box says only that the file was not saved).
void logNotSaved(const std::string& path, const std::string& failure) {
    const std::string why = failure.empty() ? "a line of the memory could not be stored"
                                            : platform::failureReason(path, failure);
    platform::logLine("Corvell", "the memory could not be saved in " + path + " (" + why + ")");
}

}  // namespace

clsMemoryDATA::clsMemoryDATA() {
    SetFileName("");
    onOff_ = {"OFF", "ON"};
    BuildCtcssToneList(tones_);
}

clsMemoryDATA::~clsMemoryDATA() = default;

void clsMemoryDATA::SetFileName(const std::string& name) {
    givenName_ = name;
    directory_ = GetPathPart(name);
    if (TrimBlanks(directory_).empty()) directory_ = platform::programDirectory();
    fileName_ = GetFileNamePart(name);
    if (TrimBlanks(fileName_).empty()) {
        fileName_ = std::string(kNoName) + kExtension;
        givenName_ = joinPath(GetPathPart(givenName_), fileName_);
    }
    fullPath_ = joinPath(directory_, fileName_);
}

std::string clsMemoryDATA::MakeNewFileName() const {
    const std::string dir = GetPathPart(givenName_);
    const MchFileNames listing(dir);
    // Beyond NONAME99 the numbers go on, so a taken name is never handed out again.
    for (int n = 0;; ++n) {
        const std::string file =
            std::string(kNoName) + (n == 0 ? "" : std::to_string(n)) + kExtension;
        if (!listing.taken(file)) return joinPath(dir, file);
    }
}

void clsMemoryDATA::dropChannels() {
    for (auto& bank : channels_) {
        for (auto& record : bank) record.reset();
    }
}

void clsMemoryDATA::NewMemory(const std::string& name) {
    SetFileName(name);
    activeBank_ = 0;
    bankNames_.fill("");
    remembered_.fill(0);
    dropChannels();
    fromFile_ = false;
    Change();
}

void clsMemoryDATA::FileNew() {
    NewMemory(MakeNewFileName());
    flgChanged = false;
}

int16_t clsMemoryDATA::FileOpen(const std::string& name) {
    if (!name.empty() && !platform::fileOpensForReading(name)) {
        showFileMessage(" FILE Not Open. ", name);
        return 0;
    }
    NewMemory("");
    SetFileName(name);
    // No name opens a new memory: nothing was read, and it has no file until it is saved.
    fromFile_ = !name.empty();
    setActiveBank(std::stoi(ReadIniInt(fullPath_, "COMMON", "ACTIVEBANK")));
    for (int bank = 0; bank < kBanks; ++bank) {
        const std::string section = bankSection(bank);
        bankNames_[static_cast<size_t>(bank)] =
            TrimBlanks(ReadIniString(fullPath_, section, "BANKNAME"));
        // A hand-edited file may hold any number; the rest of the program expects 0..49.
        remembered_[static_cast<size_t>(bank)] =
            clampChannel(std::stoi(ReadIniInt(fullPath_, section, "ACTIVECH")));
    }
    flgChanged = false;
    return 1;
}

int16_t clsMemoryDATA::FileSave() {
    return WriteMemoryFile(fullPath_);
}

int16_t clsMemoryDATA::FileSaveAs(const std::string& name) {
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int channel = 0; channel < kChannels; ++channel) myChData(bank, channel);
    }
    return WriteMemoryFile(name);
}

std::string clsMemoryDATA::ChannelLine(const clsMchDATA& record) const {
    auto onOff = [this](int16_t flag) { return onOff_[flag != 0 ? 1 : 0]; };
    std::string line = TrimBlanks(record.name1());
    line += ',' + TrimTrailingBlanks(record.name2());
    line += ',' + MHzText(record.lngFreq());
    line += ',' + record.ModeText();
    line += ',' + record.FilterText();
    line += ',' + onOff(record.intAtt());
    line += ',' + TrimBlanks(record.tsname());
    line += ',' + onOff(record.intTag());
    line += ',' + onOff(record.intSkip());
    line += ',' + TrimBlanks(CtcssToneText(record.intTsql()));
    return line;
}

bool clsMemoryDATA::WriteChannel(int bank, int channel) const {
    const clsMchDATA* record =
        channels_[static_cast<size_t>(bank)][static_cast<size_t>(channel)].get();
    // A channel never read keeps its line; in a new memory it is blank and loses it.
    if (!record && fromFile_) return true;
    const std::string section = bankSection(bank);
    const std::string key = twoDigits(channel);
    bool written = WriteIniString(fullPath_, section, key, std::nullopt) == 1;
    if (record && record->lngFreq() > 0) {
        written = WriteIniString(fullPath_, section, key, ChannelLine(*record)) == 1 && written;
    }
    return written;
}

int16_t clsMemoryDATA::WriteMemoryFile(const std::string& name) {
    const std::array<std::string, 4> oldNames{givenName_, fullPath_, directory_, fileName_};
    SetFileName(name);
    const std::string& file = fullPath_;
    bool written = true;
    std::string why;
    auto put = [&](const std::string& section, const std::string& key, const std::string& value) {
        written = WriteIniString(file, section, key, value) == 1 && written;
    };
    {
        // The whole file goes out in one write when the batch ends, so a failure leaves the
        // old file whole.
        platform::ProfileBatch batch(file);
        put("REV", "ID", "1.0.0");
        put("REV", "APP", "Corvell  Revision 2.0");
        for (int bank = 0; bank < kBanks; ++bank) {
            const auto b = static_cast<size_t>(bank);
            const std::string section = bankSection(bank);
            for (int channel = 0; channel < kChannels; ++channel) {
                written = WriteChannel(bank, channel) && written;
            }
            put(section, "BANKNAME", protectQuotes(bankNames_[b]));
            put(section, "ACTIVECH", std::to_string(remembered_[b]));
        }
        put("COMMON", "ACTIVEBANK", std::to_string(activeBank_));
        written = batch.commit() && written;
        why = batch.failure();
    }
    if (!written) {
        logNotSaved(fullPath_, why);
        showFileMessage(" FILE Not Saved. ", fullPath_);
        // The memory still belongs to the file it came from.
        givenName_ = oldNames[0];
        fullPath_ = oldNames[1];
        directory_ = oldNames[2];
        fileName_ = oldNames[3];
        return 0;
    }
    fromFile_ = true;
    flgChanged = false;
    return 1;
}

void clsMemoryDATA::ReadChannel(const std::string& file, int bank, int channel,
                                clsMchDATA& record) const {
    const std::string text = ReadIniString(file, bankSection(bank), twoDigits(channel));
    std::vector<std::string> fields;
    if (SplitCommaList(text, fields) != 10) {
        DefaultBlank(record);
        return;
    }
    // Only the two names count: anything else, an empty field too, is off.
    auto onOffIndex = [this](const std::string& field) -> int16_t {
        return field == onOff_[1] ? 1 : 0;
    };
    record.setName1(fields[0]);
    record.setName2(fields[1]);
    record.setLngFreq(ReadMHzField(fields[2]));
    record.setModeText(fields[3]);
    record.setFilterText(fields[4]);
    record.setIntAtt(onOffIndex(fields[5]));
    record.setTsname(fields[6]);
    record.setIntTag(onOffIndex(fields[7]));
    record.setIntSkip(onOffIndex(fields[8]));
    record.setIntTsql(FindStringIndexTrim(tones_, fields[9], 0));
}

void clsMemoryDATA::Default(clsMchDATA& record) const {
    record.setName1(kNoName);
    record.setName2("");
    record.setLngFreq(10000);
    record.setIntMode(5);
    record.setIntFilter(kFilter15k);
    record.setIntAtt(0);
    record.setTsname("20kHz");
    record.setIntTag(0);
    record.setIntSkip(0);
    record.setIntTsql(0);
}

void clsMemoryDATA::DefaultBlank(clsMchDATA& record) const {
    Default(record);
    record.setLngFreq(0);
}

void clsMemoryDATA::setActiveBank(int bank) {
    activeBank_ = clampBank(bank);
}

void clsMemoryDATA::setActiveCh(int channel) {
    remembered_[static_cast<size_t>(activeBank_)] = clampChannel(channel);
}

int16_t clsMemoryDATA::ChUp() {
    const int16_t next = ActiveCh() >= kChannels - 1 ? 0 : static_cast<int16_t>(ActiveCh() + 1);
    setActiveCh(next);
    return next;
}

int16_t clsMemoryDATA::ChDown() {
    const int16_t next = ActiveCh() <= 0 ? kChannels - 1 : static_cast<int16_t>(ActiveCh() - 1);
    setActiveCh(next);
    return next;
}

void clsMemoryDATA::Copy(const clsMchDATA& source, clsMchDATA& destination) const {
    const bool same =
        source.name1() == destination.name1() && source.name2() == destination.name2() &&
        source.lngFreq() == destination.lngFreq() && source.intMode() == destination.intMode() &&
        source.intFilter() == destination.intFilter() && source.intAtt() == destination.intAtt() &&
        source.tsname() == destination.tsname() && source.intTag() == destination.intTag() &&
        source.intSkip() == destination.intSkip() && source.intTsql() == destination.intTsql();
    if (same) return;
    destination.setName1(source.name1());
    destination.setName2(source.name2());
    destination.setLngFreq(source.lngFreq());
    destination.setIntMode(source.intMode());
    destination.setIntFilter(source.intFilter());
    destination.setIntAtt(source.intAtt());
    destination.setTsname(source.tsname());
    destination.setIntTag(source.intTag());
    destination.setIntSkip(source.intSkip());
    destination.setIntTsql(source.intTsql());
}

clsMchDATA& clsMemoryDATA::myChData(int bank, int channel) {
    // Callers pass positions in range; clamping only keeps a stray one inside the table.
    const int16_t b = clampBank(bank);
    const int16_t c = clampChannel(channel);
    auto& slot = channels_[static_cast<size_t>(b)][static_cast<size_t>(c)];
    if (!slot) {
        slot = std::make_unique<clsMchDATA>();
        if (fromFile_) {
            ReadChannel(fullPath_, b, c, *slot);
        } else {
            DefaultBlank(*slot);
        }
    }
    return *slot;
}

clsMchDATA& clsMemoryDATA::chData(int bank, int channel) {
    return myChData(clampBank(bank), clampChannel(channel));
}

void clsMemoryDATA::allclear(int bank) {
    const int16_t b = clampBank(bank);
    for (int channel = 0; channel < kChannels; ++channel) DefaultBlank(myChData(b, channel));
}

bool clsMemoryDATA::chk_blank(int bank, int channel) {
    return chData(bank, channel).lngFreq() == 0;
}

int16_t clsMemoryDATA::maxchnum(int /*bank*/) const {
    return kChannels;
}

std::string clsMemoryDATA::BankName(int bank) const {
    return bankNames_[static_cast<size_t>(clampBank(bank))];
}

void clsMemoryDATA::setBankName(int bank, const std::string& text) {
    bankNames_[static_cast<size_t>(clampBank(bank))] = text;
    Change();
}

void clsMemoryDATA::Change() {
    flgChanged = true;
    Redraw();
}

void clsMemoryDATA::Redraw() {
    flgRedraw = true;
}

int16_t clsMemoryDATA::CurrentCh(int bank) const {
    return remembered_[static_cast<size_t>(clampBank(bank))];
}

}  // namespace corvell
