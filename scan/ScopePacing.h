// When a scope view is reset, set up, updated and painted, heartbeat by heartbeat: a reset after
// a hidden period or a parameter change, the set-up 5 ticks after it, updates at the pace of the
// redraw period, paints at updates where something was drawn and the settle count is a multiple
// of 3, and the watch over the settings whose change calls for a new geometry.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "core/clsCounter.h"

namespace corvell {

// What a view does when the pacing asks.
class ScopePacedView {
  public:
    virtual void ScopeReset() = 0;
    virtual void ScopeSetup() = 0;
    // Draws the changed points; returns the next redraw period in ms, or -1 to keep it.
    virtual int ScopeUpdate() = 0;
    virtual void ScopePaint() = 0;
    // The off-screen picture changed since the last paint.
    virtual bool paintPending() const = 0;
    virtual void clearPaintPending() = 0;
    // The geometry worked out anew after a watched setting changed.
    virtual void ScopeCheckParam() = 0;

  protected:
    ~ScopePacedView() = default;
};

// The settings whose change resets the view.
struct ScopeWatched {
    std::string tsname;
    int32_t mode = 0;
    int16_t blank = 0;
    int16_t tsLimit = 0;
    int16_t tsHalf = 0;
    int16_t wfmMoni = 0;
    bool operator==(const ScopeWatched&) const = default;
};

class ScopePacing {
  public:
    static constexpr int kTickMs = 50;
    static constexpr int kSetupTick = 5;
    static constexpr int kSettleWrap = 150;       // 3 x 50
    static constexpr int kSettleAfterWrap = 120;  // 3 x 40

    // A tick while the view is hidden: the settle count held at 0, a reset kept pending.
    void hiddenTick() {
        settle_.setValue(0);
        resetPending = true;
    }

    // A tick while the view is shown. `linked`: the receiver has answered since power-on.
    void visibleTick(bool linked, const ScopeWatched& now, ScopePacedView& view) {
        if (resetPending) {
            resetPending = false;
            view.ScopeReset();
        }
        if (!linked) return;
        if (settle_.up() > kSettleWrap) settle_.setValue(kSettleAfterWrap);
        ticks_.up();
        if (settle_.value() == kSetupTick) view.ScopeSetup();
        if (int32_t{kTickMs} * ticks_.value() < period) return;
        ticks_.setValue(0);
        const int next = view.ScopeUpdate();
        if (next >= 0) period = next;
        if (settle_.value() % 3 == 0 && view.paintPending()) {
            view.clearPaintPending();
            view.ScopePaint();
        }
        if (!(now == watched_)) {
            watched_ = now;
            settle_.setValue(0);
            view.ScopeCheckParam();
            resetPending = true;
        }
    }

    int16_t settle() const { return settle_.value(); }
    int16_t ticks() const { return ticks_.value(); }

    int period = 250;  // ms between updates
    bool resetPending = false;

  private:
    clsCounter settle_;
    clsCounter ticks_;
    ScopeWatched watched_;
};

}  // namespace corvell
