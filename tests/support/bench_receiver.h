// A receiver object for panel benchmarks: the program-wide objects fresh, the receiver loaded on
// the in-process stand-in of the link library in a temporary program directory, a widget
// application to draw in; everything forgotten again at the end. A benchmark session derives
// from it and makes its panel; its own members go before the receiver does.
// Thread contract: the benchmark's main thread.
#pragma once

#include <memory>

#include "core/ProgramObjects.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/offscreen_widgets_app.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/temp_home.h"

namespace corvell::test {

class BenchReceiver {
  public:
    BenchReceiver() {
        ensureWidgetsApp();
        ResetProgramObjects();
        ResetProgramMemory();
        loadReceiver(rx_);
    }
    ~BenchReceiver() {
        SetProgramReceiver(nullptr);
        rx_.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    BenchReceiver(const BenchReceiver&) = delete;
    BenchReceiver& operator=(const BenchReceiver&) = delete;

    frmTesselbase& rx() { return *rx_; }
    FakeQuillon& link() { return link_; }

    // Powered on and tuned, as the panels are measured.
    void switchOn(int32_t frequency) {
        rx_->setPower(1);
        rx_->setFrequency(frequency);
    }

  private:
    TempHome home_;
    FakeQuillon link_;
    std::unique_ptr<frmTesselbase> rx_;
};

}  // namespace corvell::test
