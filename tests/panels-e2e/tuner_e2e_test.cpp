// The tuner panel on the real receiver object, the real link library and an emulated receiver:
// a frequency keyed in on the key pad and the steps of the dial reach the wire in order.
#include <gmock/gmock.h>
#include <stdlib.h>

#include <QTest>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>

#include "core/ProgramObjects.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/tuner/frmTuner.h"
#include "tests/support/ManualHoldEnvironment.h"
#include "tests/support/program_tuner.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "tests/support/wait_for.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {
namespace {

class TunerE2e : public ::testing::Test {
  protected:
    TunerE2e() : emu(options()) {
        ResetProgramObjects();
        ResetProgramMemory();
        if (!emu.start()) ADD_FAILURE() << "emulator: " << emu.lastError();
        ::setenv("QUILLON_COM1", emu.devicePath().c_str(), 1);
        loadReceiver(rx);
        rx->setComPortNum(1);
        rx->PowerOn();
        tuner = loadProgramTuner(*rx, &hold);
    }
    ~TunerE2e() override {
        tuner.reset();
        if (rx) rx->Unload();
        SetProgramReceiver(nullptr);
        rx.reset();
        ResetProgramMemory();
        ResetProgramObjects();
        emu.stop();
    }
    static rxemu::EmulatorOptions options() {
        rxemu::EmulatorOptions o;
        o.statusPeriodMs = 50;
        return o;
    }
    bool linked() {
        return waitFor([&] { return rx->LinkStat() == kLinkStatLinked; });
    }
    std::string frequencyLine(int32_t f) const {
        char line[40];
        std::snprintf(line, sizeof line, "K0%010d%02d%02d00", f, rx->mode(), rx->filter());
        return line;
    }
    void press(int index, Qt::MouseButton button) {
        QWidget* zone = tuner->img(index);
        hold.cursor = zone->mapToGlobal(zone->rect().center());
        hold.leftDown = button == Qt::LeftButton;
        hold.rightDown = button == Qt::RightButton;
        QTest::mousePress(zone, button, Qt::NoModifier, zone->rect().center());
    }
    void release(int index, Qt::MouseButton button) {
        hold.leftDown = hold.rightDown = false;
        QWidget* zone = tuner->img(index);
        QTest::mouseRelease(zone, button, Qt::NoModifier, zone->rect().center());
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    rxemu::RxEmulator emu;
    std::unique_ptr<frmTesselbase> rx;
    ManualHoldEnvironment hold;
    std::unique_ptr<panels::frmTuner> tuner;
};

TEST_F(TunerE2e, KeyPadEntryPutsTheFrequencyLineOnTheWire) {
    ASSERT_TRUE(linked());
    const size_t mark = emu.log().count();
    for (int key : {9, 12, 13, 19, 13, 22}) {  // 1 4 5 . 5 ENT
        press(key, Qt::LeftButton);
        release(key, Qt::LeftButton);
    }
    ASSERT_EQ(rx->Frequency(), 145500000);
    EXPECT_TRUE(emu.log().waitFor(frequencyLine(145500000), mark, 3000));
    EXPECT_TRUE(waitFor([&] { return emu.frequency() == 145500000; }));
}

TEST_F(TunerE2e, TheDialsStepsReachTheWireInOrder) {
    ASSERT_TRUE(linked());
    rx->EntryFrequency(145000000);
    rx->TSbase().setTsname("12.5kHz");
    ASSERT_TRUE(emu.log().waitFor(frequencyLine(145000000), 0, 3000));
    const size_t mark = emu.log().count();
    press(39, Qt::RightButton);  // up: the press, then repeats at 401, 451, 501 ms
    hold.advance(501);
    release(39, Qt::RightButton);
    ASSERT_EQ(rx->Frequency(), 145000000 + 4 * 12500);
    size_t at = mark;
    for (int step = 1; step <= 4; ++step) {
        size_t number = 0;
        const std::string line = frequencyLine(145000000 + step * 12500);
        ASSERT_TRUE(emu.log().waitFor(line, at, 3000, &number)) << line;
        at = number + 1;
    }
    press(39, Qt::LeftButton);  // down, once
    release(39, Qt::LeftButton);
    EXPECT_TRUE(emu.log().waitFor(frequencyLine(145000000 + 3 * 12500), at, 3000));
    EXPECT_TRUE(presenter.shown().empty());
}

}  // namespace
}  // namespace corvell::test
