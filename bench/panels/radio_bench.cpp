// The radio panel's share of a heartbeat: one tick with nothing changed, and a page change of
// its channel list (ten markers and ten captions redrawn, then painted by the event loop). The
// receiver object runs on the in-process stand-in of the link library.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "core/ProgramObjects.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/radio/frmRadio.h"
#include "tests/support/bench_receiver.h"

namespace {

using namespace corvell;

class RadioSession : public test::BenchReceiver {
  public:
    RadioSession() {
        switchOn(145500000);
        radio_ = std::make_unique<panels::frmRadio>(
            panels::RadioLogic::Neighbours{rx(), ProgramMemory(), ProgramMemoryList(), nullptr});
        radio_->Load();
        radio_->show();
        radio_->DispAll();
        QCoreApplication::processEvents();
    }
    panels::frmRadio& radio() { return *radio_; }

  private:
    std::unique_ptr<panels::frmRadio> radio_;
};

void BM_RadioHeartbeatIdle(benchmark::State& state) {
    RadioSession s;
    for (auto _ : state) s.radio().Task_exec();
}
BENCHMARK(BM_RadioHeartbeatIdle);

void BM_RadioListPageChange(benchmark::State& state) {
    RadioSession s;
    int16_t first = 0;
    for (auto _ : state) {
        first = panels::RadioLogic::PageForward(first);
        s.radio().logic().setListFirst(first);
        s.radio().DispAll();
        QCoreApplication::processEvents();  // the changed images and labels are painted
    }
}
BENCHMARK(BM_RadioListPageChange)->Unit(benchmark::kMicrosecond);

}  // namespace
