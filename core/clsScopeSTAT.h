// The band scope's settings (span, step limit, half step, WFM monitor, pause with the frequency
// it froze) and the sweep geometry worked out from them: points on each side of the centre,
// their spacing in Hz, pixels per point in the 401-pixel picture, and whether a limit cut in.
// Thread contract: user-interface thread only.
#pragma once

#include <array>
#include <cstdint>

namespace corvell {

class frmTesselbase;

class clsScopeSTAT {
  public:
    static constexpr int16_t TSLIM_AUTO0 = 0;  // step capped at 100 kHz
    static constexpr int16_t TSLIM_AUTO1 = 1;  // 50 kHz
    static constexpr int16_t TSLIM_AUTO2 = 2;  // 25 kHz
    static constexpr int16_t TS_NORMAL = 0;
    static constexpr int16_t TS_HALF = 1;
    static constexpr int32_t kSpanInLimitHz = 420000;

    explicit clsScopeSTAT(frmTesselbase& receiver);

    // ---- public fields ----
    int16_t ScopePause() const { return ScopePause_; }
    void setScopePause(int16_t v) { ScopePause_ = v; }
    int16_t RangeMax() const { return RangeMax_; }
    void setRangeMax(int16_t v) { RangeMax_ = v; }
    int32_t StepReq() const { return StepReq_; }
    void setStepReq(int32_t v) { StepReq_ = v; }
    int32_t StepFreq() const { return StepFreq_; }
    void setStepFreq(int32_t v) { StepFreq_ = v; }
    int16_t HalfWidthPx() const { return HalfWidthPx_; }
    void setHalfWidthPx(int16_t v) { HalfWidthPx_ = v; }
    int16_t MinPixPerPoint() const { return MinPixPerPoint_; }
    void setMinPixPerPoint(int16_t v) { MinPixPerPoint_ = v; }
    int16_t PointsRaw() const { return PointsRaw_; }
    void setPointsRaw(int16_t v) { PointsRaw_ = v; }
    int16_t PixPerPoint() const { return PixPerPoint_; }
    void setPixPerPoint(int16_t v) { PixPerPoint_ = v; }
    int16_t UsedPixels() const { return UsedPixels_; }
    void setUsedPixels(int16_t v) { UsedPixels_ = v; }
    int32_t SpanFreq() const { return SpanFreq_; }
    void setSpanFreq(int32_t v) { SpanFreq_ = v; }
    int16_t PointsPerSide() const { return PointsPerSide_; }
    void setPointsPerSide(int16_t v) { PointsPerSide_ = v; }
    int16_t MinPoints() const { return MinPoints_; }
    void setMinPoints(int16_t v) { MinPoints_ = v; }
    int16_t SpanInLimit() const { return SpanInLimit_; }
    void setSpanInLimit(int16_t v) { SpanInLimit_ = v; }
    int16_t ParamStatus() const { return ParamStatus_; }
    void setParamStatus(int16_t v) { ParamStatus_ = v; }

    // ---- operations ----
    void Init() { ScopePause_ = 0; }
    // Writing records the receiver's frequency as the pause centre.
    int16_t pause() const { return ScopePause_; }
    void setPause(int16_t v);
    int16_t RangeSelectNo() const { return rangeSelect_; }
    void setRangeSelectNo(int16_t v);
    int32_t RangeWidth(int index) const;
    void setRangeWidth(int index, int32_t hz);
    int16_t WFMmoni() const { return wfmMoni_; }
    void setWFMmoni(int16_t v) { wfmMoni_ = v != 0 ? 1 : 0; }
    int16_t TsLimit() const { return tsLimit_; }
    void setTsLimit(int16_t v) { tsLimit_ = (v >= 0 && v <= 2) ? v : 0; }
    int16_t TsHalf() const { return tsHalf_; }
    void setTsHalf(int16_t v) { tsHalf_ = (v >= 0 && v <= 1) ? v : 0; }
    int16_t SweepSpeed() const { return sweepSpeed_; }
    void setSweepSpeed(int16_t v);
    void RangeUp();
    void RangeDown();
    void ScopeCheckParam();
    void ScopeCheckParam2();
    int32_t IniStepFreq() const;
    int32_t GetStepFreq() const;
    // The pause centre, 0 while the receiver is blank.
    int32_t CenterFreq() const;
    void setCenterFreq(int32_t hz) { centre_ = hz; }

  private:
    bool IsWfmMode() const;
    static int32_t WidthRule(int32_t halfSpan);
    int32_t RequestedStep() const;
    int16_t StepLimit(int32_t req);
    // How many whole points fit: HalfWidthPx over the pixels a point needs at least.
    int32_t PointsThatFit() const;
    void Finish(int32_t n, int32_t req, int16_t status, bool cutSpan);

    frmTesselbase& rx_;

    int16_t ScopePause_ = 0;
    int16_t RangeMax_ = 0;
    int32_t StepReq_ = 5000;
    int32_t StepFreq_ = 0;
    int16_t HalfWidthPx_ = 200;
    int16_t MinPixPerPoint_ = 2;
    int16_t PointsRaw_ = 0;
    int16_t PixPerPoint_ = 0;
    int16_t UsedPixels_ = 0;
    int32_t SpanFreq_ = 0;
    int16_t PointsPerSide_ = 0;
    int16_t MinPoints_ = 2;
    int16_t SpanInLimit_ = 0;
    int16_t ParamStatus_ = 0;

    std::array<int32_t, 6> rangeWidth_{};
    int16_t rangeSelect_ = 0;
    int16_t tsLimit_ = 0;
    int16_t tsHalf_ = 0;
    int16_t wfmMoni_ = 1;
    int32_t centre_ = 0;
    int16_t sweepSpeed_ = 0;
};

}  // namespace corvell
