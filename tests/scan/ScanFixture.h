// A scan controller on the program's receiver object, which talks to a recording stand-in for
// the link library, in a temporary program directory, with a clock the test moves by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/clsMchDATA.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "scan/frmSCANctrl.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/rx_fixture.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace corvell {

class ScanTest : public ::testing::Test {
  protected:
    // The receiver is loaded, switched on and linked; the controller is handed to it.
    ScanTest();
    ~ScanTest() override;

    void advance(uint32_t ms) { clock.advance(ms); }

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
    // Forgets the calls made so far and the redraw request.
    void clearLog();

    // The receiver's squelch: open (a signal) or closed.
    void signal(bool present) { rs.setValue("Busy", present ? 1 : 0); }
    // The receiver's tuning step name without its blanks.
    std::string step();
    // The command bytes of every scan command sent.
    std::vector<int> scanBytes() const;
    // The library calls of these kinds, in order, written as the lines of the test's tables:
    // "Frequency f", "SendFreq", "H8xx", "ScanRx f mode filter att tone stepHz", "afgain v".
    std::vector<std::string> sends(std::initializer_list<const char*> kinds) const;

    test::TempHome home;
    platform::ScriptedPresenter presenter;
    test::ManualClock clock;
    test::FakeQuillon rs;
    frmTesselbase rx;
    clsMEMORY memory;
    frmSCANctrl scan{rx, memory};
};

}  // namespace corvell
