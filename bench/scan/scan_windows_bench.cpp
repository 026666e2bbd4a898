// Cost of the scan windows' drawing: the scope drawing and composing 200 changed points, the
// scope's full refresh, and one scan pad heartbeat tick (which must repaint nothing when idle).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "bench/scan/ScanBenchRig.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "memory/clsMEMORY.h"
#include "scan/ScanPadFaces.h"
#include "scan/ScopeRenderer.h"
#include "scan/frmSCANctrl.h"
#include "scan/frmScanPad.h"
#include "scan/frmScope.h"
#include "tests/support/offscreen_widgets_app.h"

namespace corvell {
namespace {

// 200 points change every tick (two alternating sweeps), then the view draws and composes them.
void BM_Scope200ChangedPointsDrawnAndComposed(benchmark::State& state) {
    useBenchHome();
    LinkedReceiver linked;
    clsScopeSTAT& stat = linked.rx.ScopeSTAT();
    clsScopeDATA& data = linked.rx.ScopeDATA();
    stat.setPixPerPoint(2);
    stat.setPointsPerSide(100);
    stat.setPointsRaw(100);
    stat.setStepFreq(1000);
    data.setMode(1);
    data.setBwidth(200);
    ScopeView view(kScopeWindowGeometry);
    view.takeSpacing(stat);
    view.drawScale(stat, false);
    const int32_t f = linked.rx.Frequency();
    data.setSCOPE_buff(128, 1);
    view.update(data, stat, f, false);  // notes the tuned frequency, draws nothing yet
    view.update(data, stat, f, false);
    int16_t phase = 0;
    for (auto _ : state) {
        phase ^= 1;
        for (int i = 28; i < 228; ++i) {
            data.setSCOPE_buff(i, static_cast<int16_t>(20 + (i * 7 + phase * 60) % 200));
        }
        view.update(data, stat, f, false);
        view.pictureChanged = false;
    }
    if (data.SCOPE_ChangeCount() != 0) state.SkipWithError("points were left undrawn");
}
BENCHMARK(BM_Scope200ChangedPointsDrawnAndComposed);

// The scope window's full refresh: reset, set-up (with the sweep controller's check), scale,
// composition and the copy to the screen.
void BM_ScopeFullRefresh(benchmark::State& state) {
    corvell::test::ensureWidgetsApp();
    useBenchHome();
    LinkedReceiver linked;
    frmScope scope(linked.rx);
    scope.Load();
    scope.show();
    linked.rx.ScopeDATA().setMode(1);
    for (auto _ : state) scope.ScopeRefreshDisp();
}
BENCHMARK(BM_ScopeFullRefresh);

// One idle heartbeat tick of the visible scan pad; no part of it may be repainted.
void BM_ScanPadHeartbeatTick(benchmark::State& state) {
    corvell::test::ensureWidgetsApp();
    useBenchHome();
    LinkedReceiver linked;
    clsMEMORY memory;
    frmSCANctrl scan(linked.rx, memory);
    scan.Init();
    frmScanPad pad(linked.rx, scan);
    pad.Load();
    pad.show();
    pad.Task_exec();
    QCoreApplication::processEvents();
    const int before = pad.meter().repaints();
    for (auto _ : state) pad.Task_exec();
    QCoreApplication::processEvents();
    if (pad.meter().repaints() != before) state.SkipWithError("an idle tick repainted the meter");
}
BENCHMARK(BM_ScanPadHeartbeatTick);

}  // namespace
}  // namespace corvell
