// The receiver panel's share of a heartbeat with the band scope sweeping 200 points: one tick of
// the receiver object (the sweep controller copying levels) and of the panel (blink, busy,
// needle, and the pane's pacing, update and paint), with every level changing each tick. Also
// the tick of an idle panel with the scope off, and the receiver object's part alone. The receiver
// object runs on the in-process stand-in of the link library.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "core/ProgramObjects.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/receiver/frmReceiver.h"
#include "tests/support/bench_receiver.h"

namespace {

using namespace corvell;

class Session : public test::BenchReceiver {
  public:
    Session() {
        link().setValue("PowerOnStat", 1);
        switchOn(145000000);
        rx().setModeText("FM");
        panel_ = std::make_unique<panels::frmReceiver>(panels::ReceiverLogic::Neighbours{
            rx(), ProgramMemory(), ProgramMemoryList(), ProgramSettings(), nullptr});
        panel_->Load();
        panel_->show();
    }
    // The scope on with 100 points either side (a 1 kHz step over the 100 kHz half-span).
    void sweep200() {
        clsScopeSTAT& stat = rx().ScopeSTAT();
        stat.setRangeSelectNo(2);
        rx().TSbase().setTsname("1kHz");
        panel_->scopePane().logic().ScopeOn();
        for (int i = 0; i < 20; ++i) tick();
    }
    // New levels at every point, as a fresh sweep brings them.
    void newLevels(int round) {
        for (int i = 0; i < 256; ++i) {
            link().scope[static_cast<std::size_t>(i)] = 20 + (i * 7 + round * 13) % 200;
        }
    }
    void tick() {
        link().clear();  // the stand-in records every call; keep its log from growing
        rx().Task_exec();
        panel_->Task_exec();
    }

  private:
    std::unique_ptr<panels::frmReceiver> panel_;
};

void BM_ReceiverHeartbeatScopeSweeping200(benchmark::State& state) {
    Session s;
    s.sweep200();
    int round = 0;
    for (auto _ : state) {
        s.newLevels(++round);
        s.tick();
    }
    state.counters["points"] = s.rx().ScopeDATA().bwidth();
}
BENCHMARK(BM_ReceiverHeartbeatScopeSweeping200);

void BM_ReceiverHeartbeatIdle(benchmark::State& state) {
    Session s;
    for (auto _ : state) s.tick();
}
BENCHMARK(BM_ReceiverHeartbeatIdle);

// The receiver object's part of the same tick alone: the sweep controller copying 100 levels.
void BM_ReceiverObjectOnlySweeping200(benchmark::State& state) {
    Session s;
    s.sweep200();
    int round = 0;
    for (auto _ : state) {
        s.newLevels(++round);
        s.link().clear();
        s.rx().Task_exec();
    }
}
BENCHMARK(BM_ReceiverObjectOnlySweeping200);
}  // namespace
