// The memory channels of one .MCH file: 20 banks of 50 channels, a name and a remembered channel
// per bank, the active bank and the file's name. Channels are read from the file lazily, on
// first use, and a save writes back only the channels that were read.
// Thread contract: none; only the memory object uses it, on the user-interface thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/clsMchDATA.h"

namespace corvell {

class clsMemoryDATA {
  public:
    static constexpr int16_t kBanks = 20;
    static constexpr int16_t kChannels = 50;

    // The channels or bank names changed since the last new, open or save.
    bool flgChanged = false;
    // A request to redraw the memory list; cleared by its reader.
    bool flgRedraw = false;

    clsMemoryDATA();
    ~clsMemoryDATA();
    clsMemoryDATA(const clsMemoryDATA&) = delete;
    clsMemoryDATA& operator=(const clsMemoryDATA&) = delete;

    // The file name as last given.
    std::string filename() const { return givenName_; }
    // The file every read and write uses: directory, "/" and file name.
    std::string fullPath() const { return fullPath_; }

    // A new, unsaved memory under the first free "NONAME" name of the current file's directory.
    void FileNew();
    // 1 when opened; 0 after telling the user the file cannot be opened (memory unchanged).
    int16_t FileOpen(const std::string& name);
    // 1 when written; 0 after telling the user the file could not be written (and logging the
    // file and the reason on standard error), in which case the memory stays marked changed and
    // the file on disk is as it was.
    int16_t FileSave();
    // Reads every channel, then writes them under the new name; as FileSave on failure, and the
    // memory keeps its old name.
    int16_t FileSaveAs(const std::string& name);
    // Empties the memory and takes the name. Its channels start blank and are never read from
    // a file that happens to carry the name.
    void NewMemory(const std::string& name);
    // False for a new memory until it is first saved.
    bool hasFile() const { return fromFile_; }

    void DefaultBlank(clsMchDATA& record) const;
    void Default(clsMchDATA& record) const;

    int16_t ActiveBank() const { return activeBank_; }
    void setActiveBank(int bank);
    int16_t ActiveCh() const { return remembered_[static_cast<size_t>(activeBank_)]; }
    void setActiveCh(int channel);
    int16_t ChUp();
    int16_t ChDown();

    // Assigns the ten stored fields of `source` to `destination` unless they are all equal.
    void Copy(const clsMchDATA& source, clsMchDATA& destination) const;

    // The record of a channel, created and read from the file on first use.
    clsMchDATA& myChData(int bank, int channel);
    // As myChData with bank and channel clamped into range.
    clsMchDATA& chData(int bank, int channel);
    // Every channel of the bank becomes blank; the bank name stays; not marked changed.
    void allclear(int bank);
    bool chk_blank(int bank, int channel);
    int16_t maxchnum(int bank) const;

    std::string BankName(int bank) const;
    void setBankName(int bank, const std::string& text);

    void Change();
    void Redraw();

    // The remembered channel of a bank.
    int16_t CurrentCh(int bank) const;

  private:
    void SetFileName(const std::string& name);
    std::string MakeNewFileName() const;
    int16_t WriteMemoryFile(const std::string& name);
    bool WriteChannel(int bank, int channel) const;
    void ReadChannel(const std::string& file, int bank, int channel, clsMchDATA& record) const;
    std::string ChannelLine(const clsMchDATA& record) const;
    void dropChannels();

    std::array<std::array<std::unique_ptr<clsMchDATA>, kChannels>, kBanks> channels_;
    std::array<std::string, kBanks> bankNames_;
    std::array<int16_t, kBanks> remembered_{};
    int16_t activeBank_ = 0;
    std::string givenName_;
    std::string fullPath_;
    std::string directory_;
    std::string fileName_;
    // False for a new memory: its channels are blank, not read from whatever file has its name,
    // and a save writes every channel.
    bool fromFile_ = true;
    std::vector<std::string> onOff_;
    std::vector<std::string> tones_;
};

}  // namespace corvell
