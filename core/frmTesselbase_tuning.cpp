// Tuning of the receiver object: the blank flag, the tuned frequency, user entry with automatic
// mode and AFC restart, stepping with band-edge jumps, and the scan controller's combined set.
#include <limits>

#include "core/ModeFilterCodes.h"
#include "core/QuillonApi.h"
#include "core/clsAFCctrl.h"
#include "core/clsAUTOMODE.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "core/objEDGES.h"

namespace corvell {
namespace {

constexpr int64_t kMHz = 1000000;
// Rounds of "move into the next range's MHz and step again" before stepping gives up and lands
// on the next range edge: a large step over tables with gaps can otherwise circle for ever.
constexpr int kMaxEdgeRounds = 64;

int32_t toInt32(int64_t f) {
    if (f > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (f < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(f);
}

}  // namespace

void frmTesselbase::setFrequency(int32_t f) {
    blank_ = f == 0 ? 1 : 0;
    if (f == frequency_ && firstSent_) return;
    if (f > 0 && frequency_ == 0) {
        setModeText("FM");
        setFilterText("15k");
        TSbase().setTsname("20k");
        setAtt(0);
        setCtcss(0);
    }
    frequency_ = f;
    const QuillonApi& rs = Quillon();
    rs.RsSetPllRefFrequency(5000);
    rs.RsSetFrequency(f);
    firstSent_ = true;
}

void frmTesselbase::EntryFrequency(int32_t f) {
    const int16_t row = AutoMode().check(f);
    setFrequency(f);
    if (row >= 1) {
        AutoMode().Change(row, *this, TSbase());
        TSbase().setAlignFlag(true);
    }
    AFCctrl().afc_start();
}

int32_t frmTesselbase::frq_up() {
    AFCctrl().afc_res();
    const int32_t f = frq_upcalc();
    EntryFrequency(f);
    return f;
}

int32_t frmTesselbase::frq_down() {
    AFCctrl().afc_res();
    const int32_t f = frq_downcalc();
    EntryFrequency(f);
    return f;
}

bool frmTesselbase::insideEdges(int64_t f) {
    if (f < std::numeric_limits<int32_t>::min() || f > std::numeric_limits<int32_t>::max()) {
        return false;
    }
    return EDGES().inside(static_cast<int32_t>(f));
}

int32_t frmTesselbase::frq_upcalc() {
    return stepFrom(true);
}

int32_t frmTesselbase::frq_downcalc() {
    return stepFrom(false);
}

// One step up or down from the stored frequency, in 64 bits so a large step near the top of
// the range cannot overflow.
int32_t frmTesselbase::stepFrom(bool up) {
    if (blank_ != 0) return frequency_;
    clsTSbase& ts = TSbase();
    int64_t f = frequency_;
    if (ts.alignFlag()) {
        const int32_t aligned = ts.calctsclr(frequency_);
        if (up) {
            f = aligned;
            ts.setAlignFlag(false);
        } else if (aligned != frequency_) {
            f = aligned;
            ts.setAlignFlag(false);
        }
    }
    for (int round = 0;; ++round) {
        const int64_t step = ts.tsfrq();
        f += up ? step : -step;
        if (insideEdges(f)) return static_cast<int32_t>(f);
        const int32_t next = EDGES().nextedge(toInt32(f), up);
        if (ts.tsfrq() < kMHz || round >= kMaxEdgeRounds) {
            ts.setAlignFlag(true);
            return next;
        }
        f = (f % kMHz) - (next % kMHz) + next;
    }
}

void frmTesselbase::SetScanRxData(int32_t f, std::string_view modeText, std::string_view filterText,
                                  int32_t att, int32_t ctcss, std::string_view tsName) {
    blank_ = f == 0 ? 1 : 0;
    frequency_ = f;
    const int32_t mode = ModeCodeOf(modeText);
    const int32_t filter = FilterCodeOf(filterText);
    clsTSbase& ts = TSbase();
    ts.setTsname(tsName);
    Quillon().RsSetScanRxData(f, mode, filter, att, ctcss, ts.tsfrq());
}

}  // namespace corvell
