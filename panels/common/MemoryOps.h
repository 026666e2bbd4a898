// What the tuning panels need of the memory-list window: applying a channel to the receiver,
// writing and clearing the active channel, stepping banks with the list following, and the
// list's refreshes after a name changed. The panels hold this interface; the program hands them
// the memory-list window's implementation.
// Thread contract: user-interface thread only.
#pragma once

namespace corvell {
class clsMchDATA;
}

namespace corvell::panels {

class MemoryOps {
  public:
    // Tunes the receiver to the record (frequency, then mode, filter, ATT, step and tone when the
    // frequency is above 0).
    virtual void mem_loadbych(clsMchDATA& record) = 0;
    // The receiver's state into the active channel of the active bank.
    virtual void mem_write() = 0;
    // The receiver blank, then mem_write: the active channel becomes blank.
    virtual void mem_clear() = 0;
    // Next / previous bank (wrapping); false when it wrapped.
    virtual bool BankUpEndless() = 0;
    virtual bool BankDownEndless() = 0;
    // Refills the bank-name list; redraws the sheet of the active bank.
    virtual void ListBankName() = 0;
    virtual void UpdateSheet() = 0;

  protected:
    ~MemoryOps() = default;
};

}  // namespace corvell::panels
