// A panel whose own window is not built yet: an empty child window with the panel's caption
// and placement key that takes part in everything the main window does with panels (placement,
// visibility at power-on, heartbeat), so the program runs as a whole until the real panel
// replaces it in the program's panel table.
// Thread contract: user-interface thread only.
#pragma once

#include "shell/PanelSlots.h"
#include "ui/PanelWindow.h"

namespace corvell::shell {

class StubPanel : public ui::PanelWindow {
    Q_OBJECT

  public:
    explicit StubPanel(PanelSlot slot, QWidget* parent = nullptr);
    PanelSlot slot() const { return slot_; }

  protected:
    // As every panel: a close of the user's own is refused, and the panel's command word (none
    // for the radio and receiver panels) is sent to the owner instead.
    bool onQueryUnload(ui::UnloadMode mode) override;

  private:
    PanelSlot slot_;
};

}  // namespace corvell::shell
