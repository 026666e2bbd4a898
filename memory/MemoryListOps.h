// The channel operations of the memory list: recall of a channel, transfers between a channel
// and the receiver, insert, delete and blanking of channels, bank selection and stepping, and
// the redraw requests of the list. One program-wide instance serves the memory list window,
// the operating panels and the memory-file commands alike, whether the window is shown or not.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {

class clsMEMORY;
class clsMchDATA;
class frmTesselbase;

// What the operations ask of the memory list window, which registers itself with setView.
class MemoryListView {
  public:
    // Redraw the 50 rows of the active bank, the bank number and the bank-name text.
    virtual void UpdateSheet() = 0;
    // Refill the bank-name list with the names of the 20 banks.
    virtual void ListBankName() = 0;
    // A bank was selected anew: the cursor goes to the name cell of the channel's row, which
    // is scrolled into view.
    virtual void ShowChannel(int channel) = 0;
    // Whether the window is shown.
    virtual bool ListVisible() const = 0;

  protected:
    ~MemoryListView() = default;
};

class MemoryListOps {
  public:
    static constexpr int16_t kLastBank = 19;
    static constexpr int16_t kLastChannel = 49;
    static constexpr const char* kInsertRefused =
        "The last CH is not BLANK. Cannot insert a channel.";

    // Both outlive the operations.
    MemoryListOps(clsMEMORY& memory, frmTesselbase& rx);
    MemoryListOps(const MemoryListOps&) = delete;
    MemoryListOps& operator=(const MemoryListOps&) = delete;

    clsMEMORY& memory() const { return *memory_; }
    frmTesselbase& receiver() const { return *rx_; }

    // The window that shows the list, or nullptr; not owned.
    void setView(MemoryListView* view) { view_ = view; }
    MemoryListView* view() const { return view_; }

    // ---- transfers between a channel and the receiver ----
    // Tunes the receiver to the record; only a used channel also sends mode, filter, ATT, step
    // and tone. Nothing is redrawn or marked.
    void mem_loadbych(const clsMchDATA& record);
    // The receiver's present state into the active channel, keeping its name and remark while
    // the receiver is tuned; select and skip are cleared.
    void mem_write();
    // The receiver goes blank, and so does the active channel.
    void mem_clear();
    // Makes `channel` of the active bank the active channel, tunes the receiver to it, raises
    // the display request and stops a running scan.
    void Recall(int channel);

    // ---- channels of the active bank ----
    // Moves `channel`..48 one down and blanks `channel`; false (with the message box, nothing
    // changed) when channel 49 is used.
    bool InsertChannel(int channel);
    // Moves `channel`+1..49 one up and blanks channel 49.
    void DeleteChannel(int channel);
    // Empties the name and remark and sets the frequency to 0; then marks the memory changed.
    void BlankChannel(int channel);

    // ---- banks ----
    // Shows the bank (0 for one outside 0..19) with its remembered channel. Anything changed
    // (or `force`) redraws the list; the result is whether it changed and the window is shown.
    bool SelectBank(int bank, bool force = false);
    // The next bank with a recall of its remembered channel, true; at bank 19 bank 0 without a
    // recall, false.
    bool BankUpEndless();
    // The previous bank with a recall, true; at bank 0 bank 19 without a recall, false.
    bool BankDownEndless();

    // ---- the list ----
    void ListBankName();
    void UpdateSheet();
    void MarkMemoryChanged();

    int16_t intCurrentCh() const;
    void setIntCurrentCh(int channel);
    int16_t intCurrentbank() const;
    void setIntCurrentbank(int bank);

  private:
    friend MemoryListOps& ProgramMemoryList();
    void StopScan();

    clsMEMORY* memory_;
    frmTesselbase* rx_;
    MemoryListView* view_ = nullptr;
};

// The operations on the program's memory object and receiver object; ProgramReceiver() must be
// set. When either program-wide object was replaced, the same operations object turns to the
// new one, so whoever holds it (the window) keeps a valid reference.
MemoryListOps& ProgramMemoryList();
void ResetProgramMemoryList();

}  // namespace corvell
