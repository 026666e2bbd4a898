// The receiver object on the fake link library, in a temporary program directory, with a
// hand-driven clock and a recording message presenter.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ProgramObjects.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/manual_clock.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace corvell::test {

class RxTest : public ::testing::Test {
  protected:
    RxTest() {
        ResetProgramObjects();
        ResetProgramMemory();
    }
    ~RxTest() override {
        if (rx) SetProgramReceiver(nullptr);
        rx.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }

    frmTesselbase& load() { return loadReceiver(rx); }
    void restart() { restartReceiver(rx); }
    std::string ini() const { return home.read("Corvell.ini"); }

    TempHome home;
    platform::ScriptedPresenter presenter;
    ManualClock clock;
    FakeQuillon rs;
    std::unique_ptr<frmTesselbase> rx;
};

}  // namespace corvell::test
