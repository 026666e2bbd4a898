// One heartbeat tick of the receiver object (scope controller polling a 200-point sweep,
// S-meter smoothing, AFC) on a lean in-process table of the link exports, so the figure is the
// program's own work.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/frmScopeCtrl.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "platform/private_profile.h"

namespace {

using corvell::QuillonApi;
using namespace corvell;

// The few values the tick reads; everything else answers 0 (getters) or its argument (setters).
std::array<int32_t, 256> g_levels{};
int32_t g_mode = 5;
int32_t g_frequency = 0;

QuillonApi leanTable() {
    QuillonApi t;
#define LEAN0(n) t.n = [] { return int32_t{0}; };
#define LEAN1(n) t.n = [](int32_t v) { return v; };
#define LEAN4(n) t.n = [](int32_t, int32_t, int32_t, int32_t) { return int32_t{1}; };
#define LEAN6(n) \
    t.n = [](int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { return int32_t{1}; };
    CORVELL_QUILLON_EXPORTS(LEAN0, LEAN1, LEAN4, LEAN6)
#undef LEAN0
#undef LEAN1
#undef LEAN4
#undef LEAN6
    t.RsGetPowerOnStat = [] { return int32_t{1}; };
    t.RsGetComportCTSstat = [] { return int32_t{1}; };
    t.RsGetMode = [] { return g_mode; };
    t.RsSetMode = [](int32_t v) { return g_mode = v; };
    t.RsSetFrequency = [](int32_t v) { return g_frequency = v; };
    t.RsGetAfc = [] { return int32_t{1}; };
    t.RsGetCmeter = [] { return int32_t{140}; };  // the AFC corrects on every allowed tick
    t.RsGetSmeter = [] { return int32_t{120}; };
    t.RsGetScopeBuff = [](int32_t i) {
        return static_cast<uint32_t>(i) < g_levels.size() ? g_levels[static_cast<size_t>(i)] : 0;
    };
    return t;
}

class Session {
  public:
    explicit Session(int32_t mode) {
        char dir[] = "/tmp/corvell-bench-XXXXXX";
        dir_ = ::mkdtemp(dir) ? dir : "/tmp";
        ::setenv("CORVELL_HOME", dir_.c_str(), 1);
        platform::clearProfileCache();
        corvell::ResetProgramObjects();
        corvell::ResetProgramMemory();
        for (size_t i = 0; i < g_levels.size(); ++i)
            g_levels[i] = static_cast<int32_t>(i * 37 % 251);
        table_ = leanTable();
        corvell::BindQuillon(&table_);
        rx_ = std::make_unique<corvell::frmTesselbase>();
        corvell::SetProgramReceiver(rx_.get());
        rx_->Init();
        rx_->Load();
        rx_->PowerOn();
        g_mode = mode;
        corvell::clsScopeDATA& data = rx_->ScopeDATA();
        data.setBwidth(200);
        data.setSpeed(20);
        data.setTs(5000);
        data.setMode(kScopeContinuous);
        for (int i = 0; i < 10; ++i) rx_->Task_exec();
    }
    ~Session() {
        corvell::SetProgramReceiver(nullptr);
        rx_.reset();
        corvell::ResetProgramMemory();
        corvell::ResetProgramObjects();
        corvell::BindQuillon(nullptr);
        platform::clearProfileCache();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    corvell::frmTesselbase& rx() { return *rx_; }

  private:
    std::string dir_;
    QuillonApi table_;
    std::unique_ptr<corvell::frmTesselbase> rx_;
};

void RunTicks(benchmark::State& state, int32_t mode) {
    Session session(mode);
    corvell::frmTesselbase& rx = session.rx();
    for (auto _ : state) {
        rx.Task_exec();
        // Fresh levels now and then, so the buffer keeps raising change flags.
        g_levels[static_cast<size_t>(state.iterations() % 256)] += 1;
    }
    state.counters["state"] = rx.ScopeCtrl().ActMode();
}

// FM: continuous sweep, AFC correcting.
void BM_TaskExec_FmSweep200(benchmark::State& state) {
    RunTicks(state, 5);
}
BENCHMARK(BM_TaskExec_FmSweep200);

// USB: single sweeps with the level corrections of that state.
void BM_TaskExec_UsbSweep200(benchmark::State& state) {
    RunTicks(state, 1);
}
BENCHMARK(BM_TaskExec_UsbSweep200);

}  // namespace
