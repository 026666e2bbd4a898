#include "core/clsScopeSTAT.h"

#include <algorithm>

#include "core/ReceiverCodes.h"
#include "core/ValueProcs.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"

namespace corvell {
namespace {

constexpr int32_t kMaxPoints = 32767;

// Division rounded down (towards minus infinity), as the geometry rules count whole points.
int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int32_t saturate32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

clsScopeSTAT::clsScopeSTAT(frmTesselbase& receiver) : rx_(receiver) {
    setRangeSelectNo(3);  // clamped while RangeMax is still 0, so the index starts at 0
    RangeMax_ = 3;
    rangeWidth_ = {25000, 50000, 100000, 200000, 400000, 500000};
    setTsLimit(0);
    setTsHalf(0);
    setWFMmoni(1);
    StepReq_ = 5000;
    HalfWidthPx_ = 200;
    MinPixPerPoint_ = 2;
    MinPoints_ = 2;
    ParamStatus_ = 0;
    sweepSpeed_ = 0;
}

void clsScopeSTAT::setPause(int16_t v) {
    ScopePause_ = v;
    centre_ = rx_.Frequency();
}

void clsScopeSTAT::setRangeSelectNo(int16_t v) {
    rangeSelect_ = ClampInt(0, RangeMax_, v);
}

int32_t clsScopeSTAT::RangeWidth(int index) const {
    return rangeWidth_[static_cast<std::size_t>(std::clamp(index, 0, 5))];
}

void clsScopeSTAT::setRangeWidth(int index, int32_t hz) {
    rangeWidth_[static_cast<std::size_t>(std::clamp(index, 0, 5))] = hz < 1000 ? 1000 : hz;
}

void clsScopeSTAT::setSweepSpeed(int16_t v) {
    sweepSpeed_ = ClampInt(3, 100, v);
}

void clsScopeSTAT::RangeUp() {
    setRangeSelectNo(rangeSelect_ < RangeMax_ ? static_cast<int16_t>(rangeSelect_ + 1) : RangeMax_);
}

void clsScopeSTAT::RangeDown() {
    setRangeSelectNo(rangeSelect_ >= 1 ? static_cast<int16_t>(rangeSelect_ - 1) : 0);
}

bool clsScopeSTAT::IsWfmMode() const {
    return rx_.mode() == kModeWFM;
}

int32_t clsScopeSTAT::WidthRule(int32_t halfSpan) {
    if (halfSpan >= 200000) return 10000;
    if (halfSpan >= 100000) return 5000;
    if (halfSpan >= 50000) return 2500;
    return 1000;
}

int32_t clsScopeSTAT::IniStepFreq() const {
    return WidthRule(RangeWidth(rangeSelect_));
}

int32_t clsScopeSTAT::GetStepFreq() const {
    if (wfmMoni_ != 0 && IsWfmMode()) return IniStepFreq();
    return rx_.TSbase().tsfrq();
}

// A step below 1 Hz (a zero or negative request, or 1 Hz halved) counts as 1 Hz, so the point
// count never divides by zero.
int32_t clsScopeSTAT::RequestedStep() const {
    int32_t s = (wfmMoni_ != 0 && IsWfmMode()) ? IniStepFreq() : StepReq_;
    if (tsHalf_ != 0) s = static_cast<int32_t>(floorDiv(s, 2));
    return s < 1 ? 1 : s;
}

int16_t clsScopeSTAT::StepLimit(int32_t req) {
    int32_t cap = 0;
    switch (tsLimit_) {
        case TSLIM_AUTO0:
            cap = 100000;
            break;
        case TSLIM_AUTO1:
            cap = 50000;
            break;
        case TSLIM_AUTO2:
            cap = 25000;
            break;
        default:
            StepFreq_ = 5000;
            return 0;
    }
    if (req > cap) {
        StepFreq_ = cap;
        return 1;
    }
    if (req < 1000) {
        StepFreq_ = 1000;
        return -1;
    }
    StepFreq_ = req;
    return 0;
}

// A pixel count per point below 1 counts as 1 here, so absurd settings cannot divide by zero.
int32_t clsScopeSTAT::PointsThatFit() const {
    const int32_t perPoint = MinPixPerPoint_ < 1 ? 1 : MinPixPerPoint_;
    return static_cast<int32_t>(floorDiv(HalfWidthPx_, perPoint));
}

void clsScopeSTAT::Finish(int32_t n, int32_t req, int16_t status, bool cutSpan) {
    const int32_t q = PointsThatFit();
    const int32_t minPoints = MinPoints_ < 1 ? 1 : MinPoints_;
    const int32_t m = n > 0 ? n : minPoints;
    PixPerPoint_ = static_cast<int16_t>(MinPixPerPoint_ * floorDiv(q, m));
    UsedPixels_ = static_cast<int16_t>(PixPerPoint_ * n);
    SpanFreq_ = saturate32(int64_t{n} * req);
    if (cutSpan) {
        if (SpanFreq_ > kSpanInLimitHz) {
            n = n > 0 ? n - 1 : 0;
            SpanInLimit_ = 0;
        } else {
            SpanInLimit_ = -1;
        }
    }
    PointsPerSide_ = static_cast<int16_t>(n);
    ParamStatus_ = status;
}

void clsScopeSTAT::ScopeCheckParam() {
    const int32_t w = RangeWidth(rangeSelect_);
    const int32_t req = RequestedStep();
    int16_t status = StepLimit(req);
    int32_t n = std::min<int32_t>(w / req, kMaxPoints);
    PointsRaw_ = static_cast<int16_t>(n);
    const int32_t q = PointsThatFit();
    if (q < n) {
        n = q;
        status = 1;
    }
    if (n < MinPoints_) {
        n = 0;
        status = -1;
    }
    Finish(n, req, status, false);
}

void clsScopeSTAT::ScopeCheckParam2() {
    const int32_t w = RangeWidth(rangeSelect_);
    const int32_t req = RequestedStep();
    int16_t status = StepLimit(req);
    int32_t n = 0;
    if (status == 0) {
        n = w / req;
        if (int64_t{n} * req != w) ++n;
    } else {
        n = w / StepFreq_;
    }
    n = std::min(n, kMaxPoints);
    PointsRaw_ = static_cast<int16_t>(n);
    const int32_t q = PointsThatFit();
    if (q < n) {
        n = q;
        status = -1;
    }
    if (n < MinPoints_) {
        n = 0;
        status = 1;
    }
    Finish(n, req, status, true);
}

int32_t clsScopeSTAT::CenterFreq() const {
    return rx_.Blank() != 0 ? 0 : centre_;
}

}  // namespace corvell
