// The scan controller on the receiver object over the real link library, with the emulated
// receiver on a pseudo-terminal and the main window's scan-status handler feeding the
// controller; the heartbeat is run by the test in real time.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/clsMchDATA.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "platform/window_messages.h"
#include "scan/frmSCANctrl.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell {

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

    // Hands the scan-status messages to the handler, switches the receiver on and waits for
    // the link.
    bool linkUp() {
        if (!started) return false;
        Quillon().RsSetHwndScanNotify(window.handle());
        rx.setComPortNum(1);
        rx.PowerOn();
        return runUntil([&] { return rx.LinkStat() == kLinkStatLinked; });
    }
    // Program channel 1: 118.0 to 118.1 MHz in AM, 6k, 20 kHz steps.
    void setAirbandRow() {
        clsMchDATA& row = scan.pchData(1);
        row.setLngFreq(118000000);
        row.setLngFreqHigh(118100000);
        row.setModeText("AM");
        row.setFilterText("6k");
        row.setTsname("20kHz");
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
                if (onBeat) onBeat();
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

    // The rest of the heartbeat (receiver object, windows), run before the scan controller's.
    std::function<void()> onBeat;

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

}  // namespace corvell
