// A stand-in for the memory-list window's operations the panels call (the window is not built
// yet): records each call in order, and the frequency of every record it is asked to load.
#pragma once

#include <string>
#include <vector>

#include "core/clsMchDATA.h"
#include "panels/common/MemoryOps.h"

namespace corvell::test {

class MemoryOpsRecorder : public panels::MemoryOps {
  public:
    std::vector<std::string> calls;
    std::vector<int32_t> loadedFrequencies;
    bool bankStepWraps = false;

    void mem_loadbych(clsMchDATA& record) override {
        calls.push_back("mem_loadbych");
        loadedFrequencies.push_back(record.lngFreq());
    }
    void mem_write() override { calls.push_back("mem_write"); }
    void mem_clear() override { calls.push_back("mem_clear"); }
    bool BankUpEndless() override {
        calls.push_back("BankUpEndless");
        return !bankStepWraps;
    }
    bool BankDownEndless() override {
        calls.push_back("BankDownEndless");
        return !bankStepWraps;
    }
    void ListBankName() override { calls.push_back("ListBankName"); }
    void UpdateSheet() override { calls.push_back("UpdateSheet"); }

    int count(const std::string& name) const {
        int n = 0;
        for (const std::string& c : calls) n += c == name ? 1 : 0;
        return n;
    }
};

}  // namespace corvell::test
