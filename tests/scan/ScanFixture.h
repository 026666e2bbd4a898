// A scan controller on a stand-in receiver and a memory of its own, in a temporary program
// directory, with a clock the test moves by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "memory/clsMEMORY.h"
#include "memory/clsMchDATA.h"
#include "scan/frmSCANctrl.h"
#include "tests/core/temp_home.h"
#include "tests/scan/FakeReceiver.h"

namespace corvell {

class ScanTest : public ::testing::Test {
  protected:
    ScanTest();
    ~ScanTest() override;

    // Moves the clock on by `ms` milliseconds.
    static void advance(uint32_t ms);

    // Program channel `row` from `low` to `high` Hz with a mode, filter and step.
    void setRow(int16_t row, int32_t low, int32_t high, const std::string& mode = "FM",
                const std::string& filter = "15k", const std::string& step = "20kHz",
                int16_t att = 0);
    // Memory channel (bank, ch) at `hz` with a mode code, SEL and SKIP flags.
    clsMchDATA& setChannel(int16_t bank, int16_t ch, int32_t hz, int16_t mode = 5, int16_t sel = 0,
                           int16_t skip = 0);

    // Writes a status code as the main window does, then runs one heartbeat of the controller.
    void feed(int16_t code);
    void tick() { scan.Task_exec(); }
    void clearLog() {
        rx.log.clear();
        rx.scanBytes.clear();
    }

    test::TempHome home_;  // the program directory of the test, with its "Corvell.ini"
    FakeReceiver rx;
    clsMEMORY memory;
    frmSCANctrl scan{rx, memory};
};

}  // namespace corvell
