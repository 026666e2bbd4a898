#include "memory/MemoryFileSetting.h"

#include <string>

#include "core/clsProfileIO.h"
#include "memory/clsMEMORY.h"

namespace corvell {

void MemoryFileSetting::loadSettings(clsProfileIO& p) {
    clsMEMORY& memory = ProgramMemory();
    memory.NewMemory();
    std::string path;
    p.setSection("DATA");
    p.loadData("MEMFILEPATH", path, "");
    if (memory.LoadMemory(path) != 0) {
        p.setSection("DATA");
        int16_t bank = 0;
        p.loadData("ACTIVEBANK", bank, int16_t{0});
        memory.setActiveBank(bank);
        int16_t ch = 0;
        p.loadData("ACTIVECH", ch, int16_t{0});
        memory.setActiveCh(ch);
    }
}

void MemoryFileSetting::saveSettings(clsProfileIO& p) {
    clsMEMORY& memory = ProgramMemory();
    const std::string path = memory.hasFile() ? memory.filepath() : std::string();
    const int16_t bank = memory.ActiveBank();
    const int16_t ch = memory.ActiveCh();
    p.setSection("DATA");
    p.saveData("MEMFILEPATH", path);
    p.saveData("ACTIVEBANK", bank);
    p.saveData("ACTIVECH", ch);
}

}  // namespace corvell
