// The windows other folders have built fit the frame as they are: the scope window offers its
// pane's redraw, the scan options dialog its set-up and heartbeat step, the tone-squelch dialog
// its heartbeat step, the DTMF option dialog its set-up.
#include <gtest/gtest.h>

#include <memory>

#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "panels/dialogs/DlgAFOption.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "panels/dtmf/dlgDTMFoption.h"
#include "scan/DlgScanOption.h"
#include "scan/frmSCANctrl.h"
#include "scan/frmScope.h"
#include "shell/FrameParts.h"
#include "tests/support/StubPanel.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace corvell::test {
namespace {

class RealWindows : public ::testing::Test {
  protected:
    RealWindows() {
        ResetProgramObjects();
        ResetProgramMemory();
        loadReceiver(rx);
    }
    ~RealWindows() override {
        rx->Unload();
        SetProgramReceiver(nullptr);
        rx.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    TempHome home;
    platform::ScriptedPresenter presenter;
    FakeQuillon rs;
    std::unique_ptr<frmTesselbase> rx;
};

TEST_F(RealWindows, PanelsAndDialogsFitTheFrameAsTheyAre) {
    const shell::FramePanel scope = shell::framePanel(new frmScope(*rx));
    EXPECT_TRUE(scope.scopeRefresh);
    scope.scopeRefresh();
    delete scope.window;
    const shell::FramePanel stub = shell::framePanel(new StubPanel(shell::PanelSlot::Mode));
    EXPECT_FALSE(stub.scopeRefresh);
    delete stub.window;

    frmSCANctrl scan(*rx, ProgramMemory());
    scan.Init();
    const shell::FrameDialog options =
        shell::frameDialog(new DlgScanOption(*rx, scan, ProgramMemory()));
    EXPECT_TRUE(options.init && options.task);
    const shell::FrameDialog ctcss =
        shell::frameDialog(new panels::DlgCtcssOption(*rx, ProgramProfile()));
    EXPECT_TRUE(ctcss.task);
    const shell::FrameDialog dtmf = shell::frameDialog(new panels::dlgDTMFoption(rx->DtmfOption()));
    EXPECT_TRUE(dtmf.init);
    const shell::FrameDialog af =
        shell::frameDialog(new panels::DlgAFOption(*rx, ProgramSettings()));
    EXPECT_TRUE(af.form);
    for (ui::Form* f : {options.form, ctcss.form, dtmf.form, af.form}) delete f;
}

}  // namespace
}  // namespace corvell::test
