// The program's start to its first heartbeat, offscreen on the fake link library, and one
// heartbeat tick with every panel in place, receiver on.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <cstdlib>
#include <memory>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/offscreen_widgets_app.h"
#include "tests/support/temp_home.h"

namespace {

struct Home {
    Home() {
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n");
        platform::clearProfileCache();
    }
    ~Home() {
        corvell::ResetProgramMemory();
        corvell::ResetProgramObjects();
    }
    corvell::test::TempHome home;
};

// From nothing to the end of the first tick of the 50 ms timer, the receiver switched on by
// the start-up. The first tick is seen by the caption it writes: the fake receiver has not
// answered, so the caption tells of the link.
void BM_StartToFirstHeartbeat(benchmark::State& state) {
    corvell::test::ensureWidgetsApp();
    corvell::test::FakeQuillon rs;
    for (auto _ : state) {
        Home home;
        QElapsedTimer clock;
        clock.start();
        corvell::app::Program::Options options;
        options.ended = [] {};
        auto program = std::make_unique<corvell::app::Program>(std::move(options));
        program->start();
        while (program->mainWindow()->windowTitle() == QStringLiteral("Corvell")) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        program->mainWindow()->close();
        program.reset();
    }
}
BENCHMARK(BM_StartToFirstHeartbeat)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// One tick: tool strip, receiver object, the nine panels, scan controller, link check,
// caption and menus.
void BM_OneHeartbeatTick(benchmark::State& state) {
    corvell::test::ensureWidgetsApp();
    corvell::test::FakeQuillon rs;
    Home home;
    corvell::app::Program::Options options;
    options.ended = [] {};
    corvell::app::Program program(std::move(options));
    program.start();
    corvell::shell::frmMain& main = *program.mainWindow();
    main.timer1().stop();
    main.KeyAction("MEMORY");
    main.KeyAction("DTMF");
    for (auto _ : state) {
        main.Timer1_Timer();
        rs.clear();  // the fake records every call; keep its log from growing
    }
    main.close();
}
BENCHMARK(BM_OneHeartbeatTick)->Unit(benchmark::kMicrosecond);

}  // namespace
