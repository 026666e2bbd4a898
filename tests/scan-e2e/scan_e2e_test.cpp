// A program scan through the whole chain: the controller drives the receiver object, which
// loads the real link library; the emulated receiver answers each scan command with a status
// report, the library turns reports into the scan-status message, and the message handler
// feeds the controller as the main window does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "platform/window_messages.h"
#include "scan/frmSCANctrl.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell {
namespace {

using Clock = std::chrono::steady_clock;

class ScanEndToEnd : public ::testing::Test {
  protected:
    ScanEndToEnd() {
        rxemu::EmulatorOptions options;
        options.statusPeriodMs = 50;
        emulator = std::make_unique<rxemu::RxEmulator>(options);
        started = emulator->start();
        setenv("QUILLON_COM1", emulator->devicePath().c_str(), 1);
        ResetProgramObjects();
        ResetProgramMemory();
        SetProgramReceiver(&rx);
        rx.Init();
        rx.Load();
        scan.Init();
        rx.setScanObj(&scan);
    }
    ~ScanEndToEnd() override {
        Quillon().RsSetHwndScanNotify(0);
        rx.setScanObj(nullptr);
        rx.Unload();  // switches the receiver off
        SetProgramReceiver(nullptr);
        ResetProgramMemory();
        ResetProgramObjects();
        emulator->stop();
        unsetenv("QUILLON_COM1");
    }

    // Runs the main window's work for up to `ms`: the scan-status messages as they come and a
    // heartbeat every 50 ms, until `done` holds.
    bool runUntil(const std::function<bool()>& done, int ms = 5000) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
        auto nextBeat = Clock::now();
        while (!done()) {
            if (Clock::now() >= deadline) return false;
            window.pump(10);
            if (Clock::now() >= nextBeat) {
                scan.Task_exec();
                nextBeat += std::chrono::milliseconds(50);
            }
        }
        return true;
    }
    // Whether the receiver has heard `line` since `mark`.
    bool heard(const std::string& line, size_t mark) {
        for (const std::string& text : emulator->log().textsSince(mark)) {
            if (text == line) return true;
        }
        return false;
    }

    test::TempHome home;
    platform::ScriptedPresenter presenter;
    std::unique_ptr<rxemu::RxEmulator> emulator;
    bool started = false;
    frmTesselbase rx;
    clsMEMORY memory;
    frmSCANctrl scan{rx, memory};
    std::vector<int> statuses;  // every status the handler passed on
    // The main window's handler of the scan-status message.
    platform::MessageQueueWindow window{[this](const platform::WindowMessage&) {
        const int16_t code = static_cast<int16_t>(Quillon().RsGetScanStat());
        statuses.push_back(code);
        scan.setStatus(code);
        scan.Task_exec();
    }};
};

TEST_F(ScanEndToEnd, TheReceiversReportsWalkTheScanAndASignalStopsIt) {
    ASSERT_TRUE(started) << emulator->lastError();
    Quillon().RsSetHwndScanNotify(window.handle());
    rx.setComPortNum(1);
    rx.PowerOn();
    ASSERT_TRUE(runUntil([&] { return rx.LinkStat() == kLinkStatLinked; }))
        << "the link did not come up";

    clsMchDATA& row = scan.pchData(1);
    row.setLngFreq(118000000);
    row.setLngFreqHigh(118100000);
    row.setModeText("AM");
    row.setFilterText("6k");
    row.setTsname("20kHz");
    scan.setDelaytype(2);  // a signal ends the scan

    size_t mark = emulator->log().count();
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    // Tuned to the low edge, then the first sweep slowly.
    ASSERT_TRUE(runUntil([&] { return heard("H8E4", mark); }));
    EXPECT_TRUE(heard("K00118000000020100", mark));
    // The receiver's own answer to the scan command comes back as "running".
    ASSERT_TRUE(runUntil([&] { return !statuses.empty() && statuses.back() == 2; }));
    EXPECT_EQ(rx.Frequency(), 118000000);

    // "Move on": the next step, at the normal speed.
    mark = emulator->log().count();
    emulator->sendScanStatus(1);
    ASSERT_TRUE(runUntil([&] { return heard("H8CB", mark); }));
    EXPECT_TRUE(heard("K00118020000020100", mark));
    EXPECT_EQ(rx.Frequency(), 118020000);
    EXPECT_TRUE(emulator->scanning());

    // A signal: the scan stops there and the receiver is told so.
    mark = emulator->log().count();
    emulator->sendScanStatus(16);
    ASSERT_TRUE(runUntil([&] { return heard("H800", mark); }));
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(rx.Frequency(), 118020000);
    ASSERT_TRUE(runUntil([&] { return !emulator->scanning(); }));
    EXPECT_THAT(statuses, ::testing::Contains(16));
}

}  // namespace
}  // namespace corvell
