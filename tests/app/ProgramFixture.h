// The whole program started in-process, offscreen, on the fake link library in a temporary
// program directory whose settings choose COM1 and switch the receiver on; and the skin of each
// drawn panel.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "shell/PanelSlots.h"
#include "shell/frmMain.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace corvell::test {

class ProgramTest : public ::testing::Test {
  protected:
    explicit ProgramTest(const std::string& ini = "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n") {
        ResetProgramObjects();
        ResetProgramMemory();
        home.write("Corvell.ini", ini);
        platform::clearProfileCache();
        app::Program::Options options;
        options.executableDir = home.dir();
        program = std::make_unique<app::Program>(std::move(options));
        started = program->start();
    }
    ~ProgramTest() override {
        program.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    shell::frmMain& main() { return *program->mainWindow(); }
    template <class P>
    P* panelAs(shell::PanelSlot slot) {
        return dynamic_cast<P*>(main().panel(slot));
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    FakeQuillon rs;
    std::unique_ptr<app::Program> program;
    bool started = false;
};

// The drawn panels and the skin each one's face is.
struct DrawnSkin {
    shell::PanelSlot slot;
    int skinId;
};
inline constexpr DrawnSkin kDrawnSkins[] = {
    {shell::PanelSlot::Tuner, 1301},   {shell::PanelSlot::Mode, 1201},
    {shell::PanelSlot::ScanPad, 1401}, {shell::PanelSlot::Scope, 1101},
    {shell::PanelSlot::Radio, 2000},   {shell::PanelSlot::Receiver, 3001},
    {shell::PanelSlot::DTMF, 1501},    {shell::PanelSlot::DSP, 1801},
};

}  // namespace corvell::test
