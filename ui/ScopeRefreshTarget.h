// A panel that draws a band-scope pane offers this, so the main window can have the pane
// redrawn from the panel's own scope data after a mode switch or a power-on.
// Thread contract: user-interface thread only.
#pragma once

namespace corvell::ui {

class ScopeRefreshTarget {
  public:
    virtual void ScopeRefreshDisp() = 0;

  protected:
    ~ScopeRefreshTarget() = default;
};

}  // namespace corvell::ui
