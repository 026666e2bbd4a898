// What a scope view does on the receiver, shared by the scope window and the receiver panel's
// pane: the set-up (geometry run, sweep check, scale, labels), the reset, the on, off and pause
// keys, the span keys and click-to-tune. Each caller passes its own ScopeView, so the geometry
// and the changed-point record stay the caller's.
// Thread contract: user-interface thread only.
#pragma once

#include "scan/ScopeRenderer.h"

namespace corvell {

class frmTesselbase;

// This view's geometry into the settings, the sweep parameters into the buffer, the sweep
// controller's check (a change clears the bars), the scale drawn and copied into the composed
// picture. Returns the label texts to show.
ScopeLabels ScopeSetup(frmTesselbase& rx, ScopeView& view);
// Clears the bars, sets up, and clears the level buffer.
ScopeLabels ScopeReset(frmTesselbase& rx, ScopeView& view);
// Clears every picture and draws the scale afresh (the caller then copies it to the screen).
ScopeLabels ScopeRefresh(frmTesselbase& rx, ScopeView& view);

// The keys. Each returns the labels of the set-up it ran (or of the state as it is).
ScopeLabels ScopeOn(frmTesselbase& rx, ScopeView& view);
ScopeLabels ScopeOff(frmTesselbase& rx, ScopeView& view);
void ScopePauseToggle(frmTesselbase& rx, ScopeView& view);
// up: RangeUp, else RangeDown; then set-up and send.
ScopeLabels ScopeSpanStep(frmTesselbase& rx, ScopeView& view, bool up);

// A mouse press at picture column x (button 1 left): tunes to the clicked point when the band
// allows it, resends the sweep and stops a running scan. Nothing while the receiver is blank,
// the scope is off or for another button. Returns whether anything was done.
bool ScopeClickToTune(frmTesselbase& rx, const ScopeView& view, int button, int x);

}  // namespace corvell
