// The memory list's channel operations (the program-wide MemoryListOps of the memory layer) as
// the MemoryOps the drawn panels hold, so a panel recalls, writes and clears real channels.
// Thread contract: user-interface thread only.
#pragma once

#include "memory/MemoryListOps.h"
#include "panels/common/MemoryOps.h"

namespace corvell::panels {

class MemoryListRef final : public MemoryOps {
  public:
    explicit MemoryListRef(MemoryListOps& ops) : ops_(ops) {}

    void mem_loadbych(clsMchDATA& record) override { ops_.mem_loadbych(record); }
    void mem_write() override { ops_.mem_write(); }
    void mem_clear() override { ops_.mem_clear(); }
    bool BankUpEndless() override { return ops_.BankUpEndless(); }
    bool BankDownEndless() override { return ops_.BankDownEndless(); }
    void ListBankName() override { ops_.ListBankName(); }
    void UpdateSheet() override { ops_.UpdateSheet(); }

  private:
    MemoryListOps& ops_;
};

}  // namespace corvell::panels
