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
        /* frmRadio    */ [] { return new StubPanel(PanelSlot::Radio); },
        /* frmReceiver */ [] { return new StubPanel(PanelSlot::Receiver); },
        /* frmScanPad  */ [] { return new StubPanel(PanelSlot::ScanPad); },
        /* frmScope    */ [] { return new StubPanel(PanelSlot::Scope); },
        /* frmMode     */ [] { return new StubPanel(PanelSlot::Mode); },
        /* frmTuner    */ [] { return new StubPanel(PanelSlot::Tuner); },
        /* frmDTMF     */ [] { return new StubPanel(PanelSlot::DTMF); },
        /* frmDSP      */ [] { return new StubPanel(PanelSlot::DSP); },
        /* frmMch      */ [] { return new frmMch(ProgramMemoryList()); },
    }};
}

}  // namespace corvell::app
