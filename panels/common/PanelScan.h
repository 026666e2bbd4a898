// The scan key of the drawn panels: stops a running scan, or starts one of the given kind
// (1 program, 2 automatic memory write, 3 memory) with the stored program number. A start that
// fails leaves everything as it was. Nothing happens while no scan controller exists.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell::panels {

void ScanToggle(int16_t kind);

}  // namespace corvell::panels
