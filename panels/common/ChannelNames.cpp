#include "panels/common/ChannelNames.h"

#include <cstdio>

#include "core/clsMchDATA.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"

namespace corvell::panels {

std::string TwoDigits(int value) {
    char s[16];
    std::snprintf(s, sizeof s, "%02d", value);
    return s;
}

std::string BankNameForEdit(clsMEMORY& memory) {
    return memory.BankName(memory.ActiveBank());
}

std::string ChNameForEdit(clsMEMORY& memory) {
    return memory.chData(memory.ActiveBank(), memory.ActiveCh()).name1();
}

void StoreBankName(clsMEMORY& memory, MemoryListOps& ops, const std::string& text) {
    memory.setBankName(memory.ActiveBank(), text);
    ops.ListBankName();
    ops.UpdateSheet();
    memory.Change();
}

void StoreChName(clsMEMORY& memory, MemoryListOps& ops, const std::string& text) {
    memory.chData(memory.ActiveBank(), memory.ActiveCh()).setName1(text);
    ops.UpdateSheet();
    memory.Change();
}

}  // namespace corvell::panels
