// What the port says about the CTS and DSR lines. A line already on when the port opens reads
// as on. A device that cannot report modem lines at all (a pseudo-terminal, some USB adapters)
// would otherwise read CTS as off for ever and have a live receiver taken for lost; there CTS
// counts as up when the receiver answered (a complete reply came in) since CTS was last read,
// or since the port opened, so a receiver that falls silent still reads as down.
// Thread contract: Opened() while the reader does not run; CtsChanged/DsrChanged/Answered on
// the reader thread; Cts() and Dsr() from any thread (the link watch reads CTS once a period).
#pragma once

#include <cstdint>

#include "link/relaxed.h"

namespace quillon {

class LineState {
  public:
    // A fresh open: whether the device reports modem lines, and the lines as it found them.
    void Opened(bool linesKnown, bool cts, bool dsr);
    void CtsChanged(bool on) { cts_.set(on ? 1 : 0); }
    void DsrChanged(bool on) { dsr_.set(on ? 1 : 0); }
    // A complete reply frame came in.
    void Answered() { answers_.set(answers_.get() + 1); }

    bool LinesKnown() const { return linesKnown_.get() != 0; }
    // 0/1. Without modem lines: 1 when the receiver answered since the previous read.
    int32_t Cts();
    int32_t Dsr() const { return dsr_.get(); }

  private:
    Relaxed<int32_t> linesKnown_{0};
    Relaxed<int32_t> cts_{0};
    Relaxed<int32_t> dsr_{0};
    Relaxed<uint32_t> answers_{0};      // written by the reader only
    Relaxed<uint32_t> answersSeen_{0};  // the count at the previous read of CTS
};

}  // namespace quillon
