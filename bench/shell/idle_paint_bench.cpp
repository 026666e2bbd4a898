// Paint events of the whole program at rest: powered on against the emulated receiver on the
// real link library, band scope off, counted over 10 s in every panel mode. With the S-meter
// still nothing may paint ("elsewhere" and "in_meter_area" 0); with it moving only the meter may
// ("elsewhere" 0: every paint lies inside a meter's rectangle). Each run prints the widgets that
// painted, so a repaint that follows no change can be found by name.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "panels/common/DrawnPanel.h"
#include "shell/PanelSlots.h"
#include "shell/frmMain.h"
#include "tests/support/offscreen_widgets_app.h"
#include "tests/support/paint_counter.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace {

constexpr int kSettleMs = 2000;    // start-up and the power-on sequence are not idle time
constexpr int kMeasureMs = 10000;  // the stretch counted
constexpr int kMeterStepMs = 100;  // a moving meter takes a new level this often

// The S-meter's own faces: the needles of the scan pad and of the receiver panel, the bar of
// the radio face (its picture 30).
std::set<const QWidget*> meterWidgets(corvell::shell::frmMain& main) {
    std::set<const QWidget*> meters;
    for (const QWidget* w : main.findChildren<QWidget*>()) {
        const std::string type = w->metaObject()->className();
        if (type == "corvell::NeedleMeter" || type == "corvell::panels::SmeterPicture") {
            meters.insert(w);
        }
    }
    using corvell::shell::PanelSlot;
    if (auto* radio = dynamic_cast<corvell::panels::DrawnPanel*>(main.panel(PanelSlot::Radio))) {
        meters.insert(radio->img(30));
    }
    return meters;
}

// Runs the program's event loop for `ms` milliseconds.
void pump(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// state.range(0): panel mode 0 SIMPLE, 1 RADIO, 2 RECEIVER; range(1): 1 = the meter moves.
void BM_IdlePaints(benchmark::State& state) {
    corvell::test::ensureWidgetsApp();
    const int mode = static_cast<int>(state.range(0));
    const bool moving = state.range(1) != 0;
    for (auto _ : state) {
        rxemu::RxEmulator emulator;
        if (!emulator.start()) {
            state.SkipWithError(("emulator: " + emulator.lastError()).c_str());
            return;
        }
        emulator.setSmeter(0);
        ::setenv("QUILLON_COM1", emulator.devicePath().c_str(), 1);
        corvell::ResetProgramObjects();
        corvell::ResetProgramMemory();
        corvell::test::TempHome home;
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n[MAIN]\r\nPANELMODE=" +
                                      std::to_string(mode) + "\r\n[SCOPE]\r\nSCOPEMODE=0\r\n");
        corvell::app::Program::Options options;
        options.ended = [] {};
        auto program = std::make_unique<corvell::app::Program>(std::move(options));
        program->start();
        pump(kSettleMs);

        int level = 0;
        QTimer meter;
        if (moving) {
            QObject::connect(&meter, &QTimer::timeout, [&] {
                level = (level + 37) % 256;
                emulator.setSmeter(level);
            });
            meter.start(kMeterStepMs);
        }
        const std::set<const QWidget*> meters = meterWidgets(*program->mainWindow());
        corvell::test::PaintCounter counter;
        pump(kMeasureMs);
        meter.stop();

        // A paint inside a meter's rectangle draws the meter: the meter itself, a picture lying
        // on its face, or what lies under a meter picture that is not opaque.
        int meterPaints = 0, meterAreaPaints = 0;
        for (const auto& [widget, box] : counter.paintsInOrder()) {
            const bool inMeter = std::any_of(meters.begin(), meters.end(), [&](const QWidget* m) {
                return m->window() == widget->window() &&
                       QRect(m->mapTo(m->window(), QPoint(0, 0)), m->size()).contains(box);
            });
            meterPaints += meters.count(widget) != 0;
            meterAreaPaints += inMeter;
        }
        std::fprintf(stderr, "panel mode %d, meter %s, the widgets that painted:\n%s", mode,
                     moving ? "moving" : "still", counter.report().c_str());
        state.counters["meter_paints"] = meterPaints;
        state.counters["in_meter_area"] = meterAreaPaints;
        state.counters["elsewhere"] = counter.total() - meterAreaPaints;
        state.counters["linked"] = program->receiver()->LinkStat() == corvell::kLinkStatLinked;
        state.counters["error"] = program->receiver()->Error();
        program->mainWindow()->close();
        program.reset();
        corvell::ResetProgramMemory();
        corvell::ResetProgramObjects();
        emulator.stop();
    }
}
BENCHMARK(BM_IdlePaints)
    ->ArgNames({"panel_mode", "meter_moving"})
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
