// Cost of the scan engine's steps: one heartbeat with a program scan moving on, and one memory
// scan step that walks past a whole bank of skipped channels; each on the engine alone and on
// the program's receiver object over a link library that answers at once.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <type_traits>

#include "bench/scan/ScanBenchRig.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/clsMchDATA.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "scan/ScanReceiver.h"
#include "scan/frmSCANctrl.h"

namespace corvell {
namespace {

// A receiver that answers at once and sends nothing, so the figures are the engine's own.
class QuietReceiver : public ScanReceiver {
  public:
    int32_t freq = 0;
    int32_t Power() override { return 1; }
    int32_t Error() override { return 0; }
    int32_t LinkStat() override { return 6; }
    void SendFreq() override {}
    void SendSCAN() override {}
    void SetDispReq() override {}
    int32_t Frequency() override { return freq; }
    void setFrequency(int32_t hz) override { freq = hz; }
    int32_t frq_upcalc() override { return freq + 20000; }
    int32_t frq_downcalc() override { return freq - 20000; }
    void SetScanRxData(int32_t hz, const std::string&, const std::string&, int32_t, int32_t,
                       const std::string&) override {
        freq = hz;
    }
    std::string tsname() override { return "20kHz"; }
    void setTsname(const std::string&) override {}
    void clearTsAlign() override {}
    std::string ModeText() override { return "FM"; }
    void setModeText(const std::string&) override {}
    std::string FilterText() override { return "15k"; }
    void setFilterText(const std::string&) override {}
    int32_t att() override { return 0; }
    void setAtt(int32_t) override {}
    int32_t ctcss() override { return 0; }
    int32_t afgain() override { return 128; }
    void setAfgain(int32_t) override {}
    int32_t busy() override { return 0; }
    int32_t vsc() override { return 0; }
    int32_t afout() override { return 0; }
    void afc_res() override {}
    void afc_start() override {}
    void automodeOff() override {}
};

template <class Rig>
void programScanStep(benchmark::State& state, Rig& rx) {
    useBenchHome();
    clsMEMORY memory;
    frmSCANctrl scan(rx, memory);
    scan.Init();
    if constexpr (std::is_same_v<Rig, frmTesselbase>) rx.setScanObj(&scan);
    clsMchDATA& row = scan.pchData(1);
    row.setLngFreq(118000000);
    row.setLngFreqHigh(137000000);
    row.setTsname("20kHz");
    scan.scan_start(kScanProgram, 1);
    for (auto _ : state) {
        scan.pass();
        scan.Task_exec();
    }
    if (scan.scanning() == 0) state.SkipWithError("the scan did not run");
    if constexpr (std::is_same_v<Rig, frmTesselbase>) rx.setScanObj(nullptr);
}

template <class Rig>
void memoryScanStep(benchmark::State& state, Rig& rx) {
    useBenchHome();
    clsMEMORY memory;
    frmSCANctrl scan(rx, memory);
    scan.Init();
    if constexpr (std::is_same_v<Rig, frmTesselbase>) rx.setScanObj(&scan);
    memory.setActiveBank(3);
    for (int16_t ch = 0; ch < 50; ++ch) {
        clsMchDATA& rec = memory.chData(3, ch);
        rec.setLngFreq(145000000 + ch * 25000);
        rec.setIntSkip(ch == 0 ? 0 : 1);
    }
    scan.setMemoskip(1);
    // Only channel 0 passes: from channel 1 each step walks the 48 skipped ones above it first.
    memory.setActiveCh(1);
    scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue);
    for (auto _ : state) {
        memory.setActiveCh(1);
        scan.pass();
        scan.Task_exec();
    }
    if (memory.ActiveCh() != 0) state.SkipWithError("the walk did not reach channel 0");
    if constexpr (std::is_same_v<Rig, frmTesselbase>) rx.setScanObj(nullptr);
}

void BM_ProgramScanStep_Engine(benchmark::State& state) {
    QuietReceiver rx;
    programScanStep(state, rx);
}
BENCHMARK(BM_ProgramScanStep_Engine);

void BM_ProgramScanStep_ReceiverObject(benchmark::State& state) {
    useBenchHome();
    LinkedReceiver linked;
    programScanStep(state, linked.rx);
}
BENCHMARK(BM_ProgramScanStep_ReceiverObject);

void BM_MemoryScanWalksASkippedBank_Engine(benchmark::State& state) {
    QuietReceiver rx;
    memoryScanStep(state, rx);
}
BENCHMARK(BM_MemoryScanWalksASkippedBank_Engine);

void BM_MemoryScanWalksASkippedBank_ReceiverObject(benchmark::State& state) {
    useBenchHome();
    LinkedReceiver linked;
    memoryScanStep(state, linked.rx);
}
BENCHMARK(BM_MemoryScanWalksASkippedBank_ReceiverObject);

}  // namespace
}  // namespace corvell
