// What the port says about the CTS and DSR lines. A line already on when the port opens reads
// as on. A device that cannot report modem lines at all (a pseudo-terminal, some USB adapters)
// would otherwise read CTS as off for ever and have a live receiver taken for lost; there CTS
// counts as up while the last complete reply is no older than the link watch's period, so a
// reply that came in since the watch's previous look (even in the same millisecond) counts at
// its next one. Reading it changes nothing, so every read within a period agrees, whoever
// reads, and a receiver that falls silent reads as down once more than a period has passed.
// Thread contract: Opened() while the reader does not run; CtsChanged/DsrChanged/Answered on
// the reader thread; Cts() and Dsr() from any thread.
#pragma once

#include <cstdint>

#include "link/published.h"
#include "link/relaxed.h"

namespace quillon {

class LineState {
  public:
    static constexpr uint32_t kDefaultWatchPeriodMs = 10000;
    // Names the watch period in ms for the ports opened after it is set (tests shorten it).
    static constexpr const char* kWatchPeriodVariable = "QUILLON_WATCH_PERIOD_MS";

    // The period from the environment: a whole number of ms from 1 on; anything else keeps
    // the default, and a value that is set but unusable says so on stderr.
    static uint32_t WatchPeriodFromEnvironment();

    // A fresh open: whether the device reports modem lines, the lines as it found them, and the
    // period of the link watch.
    void Opened(bool linesKnown, bool cts, bool dsr,
                uint32_t watchPeriodMs = kDefaultWatchPeriodMs);
    void CtsChanged(bool on) { cts_.set(on ? 1 : 0); }
    void DsrChanged(bool on) { dsr_.set(on ? 1 : 0); }
    // A complete reply frame came in.
    void Answered();

    bool LinesKnown() const { return linesKnown_.get() != 0; }
    // 0/1. Without modem lines: 1 while the last reply is no older than the watch period.
    int32_t Cts() const;
    int32_t Dsr() const { return dsr_.get(); }

  private:
    Relaxed<int32_t> linesKnown_{0};
    Relaxed<int32_t> cts_{0};
    Relaxed<int32_t> dsr_{0};
    Relaxed<uint32_t> periodMs_{kDefaultWatchPeriodMs};
    Published<uint32_t> lastAnswerTick_{0};  // written by the reader only
    Published<int32_t> answered_{0};         // set after the first answer's tick
};

}  // namespace quillon
