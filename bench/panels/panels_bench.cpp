// The drawn panels' share of a heartbeat: the tuner panel's DispAll when nothing changed, one
// heartbeat tick of the tuner panel (idle, and with the frequency moved by a step), the DSP
// panel's tick, and drawing the bitmaps of the tuner and DSP panels and the read-out digits once
// from an empty cache. The receiver object runs on the in-process stand-in of the link library.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "core/ProgramObjects.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/dsp/frmDSP.h"
#include "panels/tuner/frmTuner.h"
#include "resources/Artwork.h"
#include "tests/support/bench_receiver.h"
#include "tests/support/program_tuner.h"

namespace {

using namespace corvell;

class Session : public test::BenchReceiver {
  public:
    Session() {
        switchOn(145000000);
        tuner_ = test::loadProgramTuner(rx(), nullptr);
        tuner_->DispAll();
    }
    panels::frmTuner& tuner() { return *tuner_; }

  private:
    std::unique_ptr<panels::frmTuner> tuner_;
};

void BM_TunerDispAllNothingChanged(benchmark::State& state) {
    Session s;
    for (auto _ : state) benchmark::DoNotOptimize(s.tuner().DispAll());
}
BENCHMARK(BM_TunerDispAllNothingChanged);

void BM_TunerHeartbeatIdle(benchmark::State& state) {
    Session s;
    for (auto _ : state) s.tuner().Task_exec();
}
BENCHMARK(BM_TunerHeartbeatIdle);

// Every tick finds the frequency one step on: the read-out's changed places are shown anew.
void BM_TunerHeartbeatFrequencyMoved(benchmark::State& state) {
    Session s;
    int32_t f = 145000000;
    for (auto _ : state) {
        f += 12500;
        if (f > 146000000) f = 145000000;
        state.PauseTiming();
        s.rx().setFrequency(f);
        s.link().clear();
        state.ResumeTiming();
        s.tuner().Task_exec();
    }
}
BENCHMARK(BM_TunerHeartbeatFrequencyMoved);

void BM_DspHeartbeat(benchmark::State& state) {
    Session s;
    panels::frmDSP dsp(s.rx(), {});
    dsp.Load();
    dsp.show();
    for (auto _ : state) dsp.Task_exec();
}
BENCHMARK(BM_DspHeartbeat);

// The bitmaps the tuner and DSP panels show: skins, pressed keys, lamps, read-out digits.
void BM_PanelBitmapsCold(benchmark::State& state) {
    test::ensureWidgetsApp();
    std::vector<int> ids = {1301, 1801, 1502, 1503, 1504};
    for (int id = 1303; id <= 1324; ++id) ids.push_back(id);
    for (int id = 1600; id <= 1610; ++id) ids.push_back(id);
    // One pass loads the fonts, as the program's first panel does.
    for (int id : ids) benchmark::DoNotOptimize(art::artwork(id).cacheKey());
    for (auto _ : state) {
        state.PauseTiming();
        art::clearArtworkCache();
        state.ResumeTiming();
        for (int id : ids) benchmark::DoNotOptimize(art::artwork(id).cacheKey());
    }
    state.counters["ids"] = static_cast<double>(ids.size());
}
BENCHMARK(BM_PanelBitmapsCold)->Unit(benchmark::kMillisecond);

}  // namespace
