// A panel whose own window is not built yet: an empty child window with the panel's caption
// and placement key that takes part in everything the main window does with panels (placement,
// visibility at power-on, heartbeat), so the program runs as a whole until the real panel
// replaces it in the program's panel table.
// Thread contract: user-interface thread only.
#pragma once

#include "memory/MemoryListOps.h"
#include "shell/PanelSlots.h"
#include "ui/PanelWindow.h"

namespace corvell {
class frmTesselbase;
}

namespace corvell::shell {

class StubPanel : public ui::PanelWindow {
    Q_OBJECT

  public:
    explicit StubPanel(PanelSlot slot, QWidget* parent = nullptr);
    PanelSlot slot() const { return slot_; }

  private:
    PanelSlot slot_;
};

// The memory list's stand-in: besides the empty window it recalls a channel onto the receiver,
// so opening a memory file tunes to its active channel before the list window exists.
class StubMemoryList : public StubPanel, public MemoryListOps {
    Q_OBJECT

  public:
    explicit StubMemoryList(frmTesselbase& receiver, QWidget* parent = nullptr);
    void ListBankName() override {}
    void mem_loadbych(clsMchDATA& record) override;

  private:
    frmTesselbase& receiver_;
};

}  // namespace corvell::shell
