// What the main window asks of the memory list window beyond the panel interface: refill its
// bank names after the memory file changed, and tune the receiver to a channel (recall).
// Thread contract: user-interface thread only.
#pragma once

namespace corvell {

class clsMchDATA;

class MemoryListOps {
  public:
    // Refills the list of bank names from the memory object.
    virtual void ListBankName() = 0;
    // Applies the channel to the receiver: its frequency, and for a non-blank channel its mode,
    // filter, attenuator, tuning step and tone.
    virtual void mem_loadbych(clsMchDATA& record) = 0;

  protected:
    ~MemoryListOps() = default;
};

}  // namespace corvell
