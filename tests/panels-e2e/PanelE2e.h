// The drawn panels end to end: the real receiver object switched on through the real link
// library to the receiver emulator on a pseudo-terminal, a hand-driven press-and-hold clock, and
// helpers to wait for the link, write the frequency line the wire carries and press a key.
#pragma once

#include <gmock/gmock.h>
#include <stdlib.h>

#include <QTest>
#include <cstdio>
#include <memory>
#include <string>

#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "panels/common/DrawnPanel.h"
#include "tests/support/ManualHoldEnvironment.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "tests/support/wait_for.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {

class PanelE2e : public ::testing::Test {
  protected:
    explicit PanelE2e(const rxemu::EmulatorOptions& emulatorOptions = options())
        : emu(emulatorOptions) {
        ResetProgramObjects();
        ResetProgramMemory();
        if (!emu.start()) ADD_FAILURE() << "emulator: " << emu.lastError();
        ::setenv("QUILLON_COM1", emu.devicePath().c_str(), 1);
        loadReceiver(rx);
    }
    ~PanelE2e() override {
        if (rx) rx->Unload();
        SetProgramReceiver(nullptr);
        rx.reset();
        ResetProgramMemory();
        ResetProgramObjects();
        emu.stop();
    }
    // Call after the test's own objects are set up.
    void switchOn() {
        rx->setComPortNum(1);
        rx->PowerOn();
    }
    static rxemu::EmulatorOptions options() {
        rxemu::EmulatorOptions o;
        o.statusPeriodMs = 50;
        return o;
    }
    bool linked() {
        return waitFor([&] { return rx->LinkStat() == kLinkStatLinked; });
    }
    static std::string frequencyLine(int32_t f, int32_t mode, int32_t filter) {
        char line[40];
        std::snprintf(line, sizeof line, "K0%010d%02d%02d00", f, mode, filter);
        return line;
    }
    std::string frequencyLine(int32_t f) const {
        return frequencyLine(f, rx->mode(), rx->filter());
    }
    void press(panels::DrawnPanel& panel, int index, Qt::MouseButton button) {
        QWidget* zone = panel.img(index);
        hold.cursor = zone->mapToGlobal(zone->rect().center());
        hold.leftDown = button == Qt::LeftButton;
        hold.rightDown = button == Qt::RightButton;
        QTest::mousePress(zone, button, Qt::NoModifier, zone->rect().center());
    }
    void release(panels::DrawnPanel& panel, int index, Qt::MouseButton button) {
        hold.leftDown = hold.rightDown = false;
        QWidget* zone = panel.img(index);
        QTest::mouseRelease(zone, button, Qt::NoModifier, zone->rect().center());
    }
    void click(panels::DrawnPanel& panel, int index) {
        press(panel, index, Qt::LeftButton);
        release(panel, index, Qt::LeftButton);
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    rxemu::RxEmulator emu;
    std::unique_ptr<frmTesselbase> rx;
    ManualHoldEnvironment hold;
};

}  // namespace corvell::test
