#include "app/ProgramPanels.h"

#include "memory/MemoryListOps.h"
#include "memory/frmMch.h"
#include "shell/StubPanel.h"

namespace corvell::app {

using shell::PanelSlot;
using shell::StubPanel;

std::array<shell::PanelFactory, shell::kPanelCount> ProgramPanels(frmTesselbase& /*receiver*/) {
    // One row per slot, in the frame's fixed order.
    return {{
        /* frmRadio    */ [] { return shell::framePanel(new StubPanel(PanelSlot::Radio)); },
        /* frmReceiver */ [] { return shell::framePanel(new StubPanel(PanelSlot::Receiver)); },
        /* frmScanPad  */ [] { return shell::framePanel(new StubPanel(PanelSlot::ScanPad)); },
        /* frmScope    */ [] { return shell::framePanel(new StubPanel(PanelSlot::Scope)); },
        /* frmMode     */ [] { return shell::framePanel(new StubPanel(PanelSlot::Mode)); },
        /* frmTuner    */ [] { return shell::framePanel(new StubPanel(PanelSlot::Tuner)); },
        /* frmDTMF     */ [] { return shell::framePanel(new StubPanel(PanelSlot::DTMF)); },
        /* frmDSP      */ [] { return shell::framePanel(new StubPanel(PanelSlot::DSP)); },
        /* frmMch      */ [] { return shell::framePanel(new frmMch(ProgramMemoryList())); },
    }};
}

}  // namespace corvell::app
