// A full memory file (20 banks of 50 channels): opening it and reading every channel, and
// saving it under a new name.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "memory/clsMEMORY.h"
#include "platform/private_profile.h"

namespace {

using namespace corvell;

// A temporary directory holding one full memory file, made once for all benchmarks.
class FullMemory {
  public:
    FullMemory() {
        char tmpl[] = "/tmp/corvell-bench-XXXXXX";
        dir_ = ::mkdtemp(tmpl);
        ::setenv("CORVELL_HOME", dir_.c_str(), 1);
        clsMEMORY& memory = ProgramMemory();
        memory.NewMemory();
        for (int bank = 0; bank < 20; ++bank) {
            memory.setStrBankName(bank, "Bank number " + std::to_string(bank));
            for (int ch = 0; ch < 50; ++ch) {
                clsMchDATA& r = memory.chData(bank, ch);
                memory.DefaultBlank(r);
                r.setName1("Channel " + std::to_string(bank * 50 + ch));
                r.setName2("a remark for the channel");
                r.setLngFreq(118000000 + bank * 10000000 + ch * 12500);
                r.setModeText(ch % 2 ? "AM" : "FM");
                r.setTsname("12.5k");
                r.setIntTsql(static_cast<int16_t>(ch % 52));
            }
        }
        SaveAs(file());
        ResetProgramMemory();
    }
    ~FullMemory() {
        ResetProgramMemory();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string file() const { return dir_ + "/full.MCH"; }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

  private:
    static void SaveAs(const std::string& path) {
        if (ProgramMemory().SaveAsMemory(path) != 1) std::abort();
    }
    std::string dir_;
};

FullMemory& full() {
    static FullMemory memory;
    return memory;
}

// From the file on disk (nothing held in memory) to every channel read.
void BM_OpenFullMemoryAndReadEveryChannel(benchmark::State& state) {
    const std::string file = full().file();
    int64_t sum = 0;
    for (auto _ : state) {
        ResetProgramMemory();
        platform::clearProfileCache();
        clsMEMORY& memory = ProgramMemory();
        if (memory.LoadMemory(file) != 1) state.SkipWithError("open failed");
        for (int bank = 0; bank < 20; ++bank) {
            for (int ch = 0; ch < 50; ++ch) sum += memory.chData(bank, ch).lngFreq();
        }
    }
    benchmark::DoNotOptimize(sum);
    state.counters["channels"] = 1000;
}
BENCHMARK(BM_OpenFullMemoryAndReadEveryChannel)->Unit(benchmark::kMillisecond);

// Save As of a memory whose 1000 channels have all been read, to a file that is not yet there.
void BM_SaveAsFullMemory(benchmark::State& state) {
    const std::string file = full().file();
    ResetProgramMemory();
    clsMEMORY& memory = ProgramMemory();
    if (memory.LoadMemory(file) != 1) state.SkipWithError("open failed");
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string target = full().path("copy" + std::to_string(n++ % 2) + ".MCH");
        std::filesystem::remove(target);
        platform::clearProfileCache();
        state.ResumeTiming();
        if (memory.SaveAsMemory(target) != 1) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveAsFullMemory)->Unit(benchmark::kMillisecond);

}  // namespace
