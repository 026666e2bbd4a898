// The program-wide memory-channel object: the store of the current .MCH file with a cursor, so
// a caller selects a channel with ch(bank, channel) and then reads or writes its fields.
// Thread contract: none; only the user-interface thread uses it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/clsMchDATA.h"
#include "memory/clsMemoryDATA.h"

namespace corvell {

class clsMEMORY {
  public:
    clsMEMORY() = default;
    clsMEMORY(const clsMEMORY&) = delete;
    clsMEMORY& operator=(const clsMEMORY&) = delete;

    // A new, empty memory under the first free "NONAME" name; then a redraw request.
    void NewMemory();
    // 1 loaded, 0 failed (the user has been told; the memory is as it was). Always requests a
    // redraw.
    int16_t LoadMemory(const std::string& path);
    // 1 saved, 0 failed (the user has been told; the memory stays changed).
    int16_t SaveMemory();
    int16_t SaveAsMemory(const std::string& path);
    // The file name as last given.
    std::string filepath();
    // False for a new memory that was never saved.
    bool hasFile();

    // Moves the cursor (bank clamped to 0..19, channel to 0..49).
    clsMEMORY& ch(int bank, int channel);

    // Fields of the channel at the cursor; writes do not mark the memory changed.
    int32_t lngFreq();
    void setLngFreq(int32_t v);
    std::string strModeName();
    void setStrModeName(const std::string& text);
    std::string strFilterName();
    void setStrFilterName(const std::string& text);
    std::string strTsName();
    void setStrTsName(const std::string& text);
    int16_t intAtt();
    void setIntAtt(int16_t v);
    int16_t intTag();
    void setIntTag(int16_t v);
    int16_t intSkip();
    void setIntSkip(int16_t v);
    int16_t intTsql();
    void setIntTsql(int16_t v);
    std::string strChName();
    void setStrChName(const std::string& text);
    std::string strComment();
    void setStrComment(const std::string& text);

    // A bank's name; a write marks the memory changed and requests a redraw.
    std::string strBankName(int bank);
    void setStrBankName(int bank, const std::string& text);
    std::string BankName(int bank) { return strBankName(bank); }
    void setBankName(int bank, const std::string& text) { setStrBankName(bank, text); }

    int16_t ActiveCh();
    void setActiveCh(int channel);
    int16_t ActiveBank();
    void setActiveBank(int bank);
    int16_t ChUp();
    int16_t ChDown();
    int16_t CurrentCh(int bank);

    // The stored record itself (positions clamped; read from the file on first use).
    clsMchDATA& chData(int bank, int channel);
    void Copy(int sourceBank, int sourceCh, int destBank, int destCh);
    // Exchanges the ten stored fields of two channels.
    void Swap(int bank1, int ch1, int bank2, int ch2);
    void DefaultBlank(clsMchDATA& record);
    // Blanks every channel of the bank and requests a redraw; not marked changed.
    void allclear(int bank);
    bool chk_blank(int bank, int channel);
    int16_t maxchnum(int bank);

    bool MemoryChanged();
    // Marks the memory changed (no redraw request).
    void Change();
    bool MemoryRedraw();
    void setMemoryRedraw(bool v);
    void Redraw();

  private:
    clsMemoryDATA& store();
    clsMchDATA& cursor() { return store().chData(cursorBank_, cursorCh_); }

    std::unique_ptr<clsMemoryDATA> store_;  // created on the first operation that needs it
    int16_t cursorBank_ = 0;
    int16_t cursorCh_ = 0;
};

// The one memory object of the program, created on first use.
clsMEMORY& ProgramMemory();
// Drops the program-wide memory object, so the next use starts afresh (tests, program end).
void ResetProgramMemory();

}  // namespace corvell
