// The emulator's operator: types control lines ("silent", "speak", ...) as into its control
// FIFO. A line the emulator refuses fails the test.
// Thread contract: the test's thread only.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tools/rx-emulator/control_commands.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {

class EmulatorOperator {
  public:
    explicit EmulatorOperator(rxemu::RxEmulator& emulator)
        : input_(
              emulator, [](const std::string&) {},
              [](const std::string& e) { ADD_FAILURE() << "control: " << e; }) {}
    void say(const std::string& line) { input_.feed(line + "\n"); }

  private:
    rxemu::ControlInput input_;
};

}  // namespace corvell::test
