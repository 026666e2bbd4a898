// The program's table of panels: for each of the nine panel slots, the factory that makes its
// window. A panel that is built replaces its stub in this one table.
// Thread contract: user-interface thread only.
#pragma once

#include <array>

#include "shell/frmMain.h"

namespace corvell {
class frmTesselbase;
}

namespace corvell::app {

std::array<shell::PanelFactory, shell::kPanelCount> ProgramPanels(frmTesselbase& receiver);

}  // namespace corvell::app
