// The radio and mode panels on the real receiver object, the real link library and an emulated
// receiver: a channel recalled from a real .MCH file and each mode key reach the wire as their
// exact lines, and the S-meter the emulator is told to report moves the radio's S-meter steps.
#include <gmock/gmock.h>
#include <stdlib.h>

#include <QTest>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/common/MemoryListRef.h"
#include "panels/common/PanelLabel.h"
#include "panels/mode/frmMode.h"
#include "panels/radio/frmRadio.h"
#include "tests/support/ManualHoldEnvironment.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/control_commands.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {
namespace {

bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class RadioModeE2e : public ::testing::Test {
  protected:
    RadioModeE2e() : emu(options()) {
        ResetProgramObjects();
        ResetProgramMemory();
        if (!emu.start()) ADD_FAILURE() << "emulator: " << emu.lastError();
        ::setenv("QUILLON_COM1", emu.devicePath().c_str(), 1);
        const auto source =
            std::filesystem::path(CORVELL_SOURCE_DIR) / "tests" / "fixtures" / "windows.MCH";
        std::filesystem::copy_file(source, home.path("e2e.MCH"));
        loadReceiver(rx);
        ProgramMemory().LoadMemory(home.path("e2e.MCH"));
        ProgramMemory().setActiveBank(0);
        rx->setComPortNum(1);
        rx->PowerOn();
        listOps = std::make_unique<MemoryListOps>(ProgramMemory(), *rx);
        memoryRef = std::make_unique<panels::MemoryListRef>(*listOps);
        radio = std::make_unique<panels::frmRadio>(
            panels::RadioLogic::Neighbours{*rx, ProgramMemory(), *memoryRef, nullptr}, nullptr,
            &hold);
        radio->Load();
        radio->show();
        mode = std::make_unique<panels::frmMode>(
            panels::ModeLogic::Neighbours{*rx, ProgramMemory(), nullptr, {}}, nullptr, nullptr,
            &hold);
        mode->Load();
        mode->show();
    }
    ~RadioModeE2e() override {
        mode.reset();
        radio.reset();
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
    static std::string frequencyLine(int32_t f, int32_t modeCode, int32_t filter) {
        char line[40];
        std::snprintf(line, sizeof line, "K0%010d%02d%02d00", f, modeCode, filter);
        return line;
    }
    void click(panels::DrawnPanel& panel, int index) {
        QWidget* zone = panel.img(index);
        hold.cursor = zone->mapToGlobal(zone->rect().center());
        hold.leftDown = true;
        QTest::mousePress(zone, Qt::LeftButton, Qt::NoModifier, zone->rect().center());
        hold.leftDown = false;
        QTest::mouseRelease(zone, Qt::LeftButton, Qt::NoModifier, zone->rect().center());
    }
    void control(const std::string& line) {
        rxemu::ControlInput input(
            emu, [](const std::string&) {},
            [](const std::string& error) { ADD_FAILURE() << error; });
        input.feed(line + "\n");
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    rxemu::RxEmulator emu;
    std::unique_ptr<frmTesselbase> rx;
    ManualHoldEnvironment hold;
    std::unique_ptr<MemoryListOps> listOps;
    std::unique_ptr<panels::MemoryListRef> memoryRef;
    std::unique_ptr<panels::frmRadio> radio;
    std::unique_ptr<panels::frmMode> mode;
};

TEST_F(RadioModeE2e, ARecalledChannelReachesTheWireAsItsFrequencyLine) {
    ASSERT_TRUE(linked());
    const size_t mark = emu.log().count();
    QTest::mouseClick(radio->lblMEMO(1), Qt::LeftButton);  // Tower, 118.1 MHz AM 6k
    ASSERT_EQ(rx->Frequency(), 118100000);
    EXPECT_TRUE(emu.log().waitFor(frequencyLine(118100000, 2, 1), mark, 3000));
    EXPECT_TRUE(waitFor([&] { return emu.frequency() == 118100000; }));
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(RadioModeE2e, EachModeKeyReachesTheWireWithItsModeCode) {
    ASSERT_TRUE(linked());
    rx->EntryFrequency(7100000);
    rx->setMode(2);
    ASSERT_TRUE(emu.log().waitFor(frequencyLine(7100000, 2, rx->filter()), 0, 3000));
    const std::pair<int, int32_t> keys[] = {{2, 0}, {3, 3}, {6, 6}, {7, 5}, {4, 2}, {2, 0}};
    for (const auto& [key, code] : keys) {
        SCOPED_TRACE(key);
        const size_t mark = emu.log().count();
        click(*mode, key);
        ASSERT_EQ(rx->mode(), code);
        EXPECT_TRUE(emu.log().waitFor(frequencyLine(7100000, code, rx->filter()), mark, 3000));
    }
}

TEST_F(RadioModeE2e, TheEmulatorsSmeterMovesTheSmeterSteps) {
    ASSERT_TRUE(linked());
    rx->EntryFrequency(145500000);
    const std::pair<int, int> levels[] = {{200, 2037}, {20, 2035}, {250, 2038}, {0, 2034}};
    for (const auto& [level, id] : levels) {
        SCOPED_TRACE(level);
        control("smeter " + std::to_string(level));
        EXPECT_TRUE(waitFor([&] {
            radio->DispAll();
            return radio->img(30)->imageId() == id;
        }));
    }
}

}  // namespace
}  // namespace corvell::test
