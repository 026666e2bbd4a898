// Emulator options for end-to-end tests of the program: status reports and scope sweeps come
// quickly, so a test waits for the link and the sweep only briefly.
#pragma once

#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {

inline rxemu::EmulatorOptions fastEmulatorOptions() {
    rxemu::EmulatorOptions options;
    options.statusPeriodMs = 50;
    options.sweepPeriodMs = 100;
    return options;
}

}  // namespace corvell::test
