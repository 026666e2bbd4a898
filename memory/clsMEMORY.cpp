#include "memory/clsMEMORY.h"

#include <algorithm>

namespace corvell {

namespace {

std::unique_ptr<clsMEMORY>& global() {
    static std::unique_ptr<clsMEMORY> memory;
    return memory;
}

}  // namespace

clsMEMORY& ProgramMemory() {
    auto& memory = global();
    if (!memory) memory = std::make_unique<clsMEMORY>();
    return *memory;
}

void ResetProgramMemory() {
    global().reset();
}

clsMemoryDATA& clsMEMORY::store() {
    if (!store_) store_ = std::make_unique<clsMemoryDATA>();
    return *store_;
}

void clsMEMORY::NewMemory() {
    store().FileNew();
    Redraw();
}

int16_t clsMEMORY::LoadMemory(const std::string& path) {
    const int16_t result = store().FileOpen(path);
    Redraw();
    return result;
}

int16_t clsMEMORY::SaveMemory() {
    return store().FileSave();
}

int16_t clsMEMORY::SaveAsMemory(const std::string& path) {
    return store().FileSaveAs(path);
}

bool clsMEMORY::hasFile() {
    return store().hasFile();
}

std::string clsMEMORY::filepath() {
    return store().filename();
}

clsMEMORY& clsMEMORY::ch(int bank, int channel) {
    cursorBank_ = static_cast<int16_t>(std::clamp(bank, 0, clsMemoryDATA::kBanks - 1));
    cursorCh_ = static_cast<int16_t>(std::clamp(channel, 0, clsMemoryDATA::kChannels - 1));
    return *this;
}

int32_t clsMEMORY::lngFreq() {
    return cursor().lngFreq();
}
void clsMEMORY::setLngFreq(int32_t v) {
    cursor().setLngFreq(v);
}
std::string clsMEMORY::strModeName() {
    return cursor().ModeText();
}
void clsMEMORY::setStrModeName(const std::string& text) {
    cursor().setModeText(text);
}
std::string clsMEMORY::strFilterName() {
    return cursor().FilterText();
}
void clsMEMORY::setStrFilterName(const std::string& text) {
    cursor().setFilterText(text);
}
std::string clsMEMORY::strTsName() {
    return cursor().tsname();
}
void clsMEMORY::setStrTsName(const std::string& text) {
    cursor().setTsname(text);
}
int16_t clsMEMORY::intAtt() {
    return cursor().intAtt();
}
void clsMEMORY::setIntAtt(int16_t v) {
    cursor().setIntAtt(v);
}
int16_t clsMEMORY::intTag() {
    return cursor().intTag();
}
void clsMEMORY::setIntTag(int16_t v) {
    cursor().setIntTag(v);
}
int16_t clsMEMORY::intSkip() {
    return cursor().intSkip();
}
void clsMEMORY::setIntSkip(int16_t v) {
    cursor().setIntSkip(v);
}
int16_t clsMEMORY::intTsql() {
    return cursor().intTsql();
}
void clsMEMORY::setIntTsql(int16_t v) {
    cursor().setIntTsql(v);
}
std::string clsMEMORY::strChName() {
    return cursor().name1();
}
void clsMEMORY::setStrChName(const std::string& text) {
    cursor().setName1(text);
}
std::string clsMEMORY::strComment() {
    return cursor().name2();
}
void clsMEMORY::setStrComment(const std::string& text) {
    cursor().setName2(text);
}

std::string clsMEMORY::strBankName(int bank) {
    return store().BankName(bank);
}
void clsMEMORY::setStrBankName(int bank, const std::string& text) {
    store().setBankName(bank, text);
}

int16_t clsMEMORY::ActiveCh() {
    return store().ActiveCh();
}
void clsMEMORY::setActiveCh(int channel) {
    store().setActiveCh(channel);
}
int16_t clsMEMORY::ActiveBank() {
    return store().ActiveBank();
}
void clsMEMORY::setActiveBank(int bank) {
    store().setActiveBank(bank);
}
int16_t clsMEMORY::ChUp() {
    return store().ChUp();
}
int16_t clsMEMORY::ChDown() {
    return store().ChDown();
}
int16_t clsMEMORY::CurrentCh(int bank) {
    return store().CurrentCh(bank);
}

clsMchDATA& clsMEMORY::chData(int bank, int channel) {
    return store().chData(bank, channel);
}

void clsMEMORY::Copy(int sourceBank, int sourceCh, int destBank, int destCh) {
    clsMemoryDATA& data = store();
    data.Copy(data.chData(sourceBank, sourceCh), data.chData(destBank, destCh));
}

void clsMEMORY::Swap(int bank1, int ch1, int bank2, int ch2) {
    clsMemoryDATA& data = store();
    clsMchDATA temporary;
    data.Copy(data.chData(bank1, ch1), temporary);
    data.Copy(data.chData(bank2, ch2), data.chData(bank1, ch1));
    data.Copy(temporary, data.chData(bank2, ch2));
}

void clsMEMORY::DefaultBlank(clsMchDATA& record) {
    store().DefaultBlank(record);
}

void clsMEMORY::allclear(int bank) {
    store().allclear(bank);
    Redraw();
}

bool clsMEMORY::chk_blank(int bank, int channel) {
    return store().chk_blank(bank, channel);
}
int16_t clsMEMORY::maxchnum(int bank) {
    return store().maxchnum(bank);
}

bool clsMEMORY::MemoryChanged() {
    return store().flgChanged;
}
void clsMEMORY::Change() {
    store().flgChanged = true;
}
bool clsMEMORY::MemoryRedraw() {
    return store().flgRedraw;
}
void clsMEMORY::setMemoryRedraw(bool v) {
    store().flgRedraw = v;
}
void clsMEMORY::Redraw() {
    store().flgRedraw = true;
}

}  // namespace corvell
