// The main window offscreen on the fake link library in a temporary program directory.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <string>

#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "platform/private_profile.h"
#include "shell/frmMain.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/manual_clock.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "ui/ImageHotZone.h"

namespace corvell::test {

// A dialog the frame keeps, counting its heartbeat steps.
class CountingDialog : public ui::Form {
  public:
    int inits = 0;
    int tasks = 0;
    void Init() { ++inits; }
    void Task_exec() { ++tasks; }
};

class FrameTest : public ::testing::Test {
  protected:
    FrameTest() {
        ResetProgramObjects();
        ResetProgramMemory();
        writeIni("[DATA]\r\nCOMPORT=1\r\nCONNECT=0\r\n");
        fx.programDir = home.dir();
    }
    ~FrameTest() override {
        fx.reset();
        QApplication::processEvents();
    }

    void writeIni(const std::string& text) {
        home.write("Corvell.ini", text);
        platform::clearProfileCache();
    }
    std::string ini() const { return home.read("Corvell.ini"); }

    shell::frmMain& open() { return fx.open(); }
    shell::frmMain& main() { return *fx.main; }

    // One press and release in the middle of tool `index`.
    void clickTool(int index) {
        ui::ImageHotZone* zone = main().tool(index);
        const QPoint mid(zone->width() / 2, zone->height() / 2);
        QTest::mousePress(zone, Qt::LeftButton, {}, mid);
        QTest::mouseRelease(zone, Qt::LeftButton, {}, mid);
    }

    // The child-window frame the panel of the slot sits in.
    QMdiSubWindow* frameOf(shell::PanelSlot slot) {
        for (QMdiSubWindow* s : main().mdiArea()->subWindowList()) {
            if (s->widget() == main().panel(slot)) return s;
        }
        return nullptr;
    }

    std::vector<shell::PanelSlot> visiblePanels() {
        std::vector<shell::PanelSlot> out;
        for (const shell::PanelSlotInfo& info : shell::kPanelSlots) {
            if (main().panelVisible(info.slot)) out.push_back(info.slot);
        }
        return out;
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    ManualClock clock;
    FakeQuillon rs;
    MainWindowFixture fx;
};

}  // namespace corvell::test
