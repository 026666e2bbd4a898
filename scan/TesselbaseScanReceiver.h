// The scan engine's view of the program's receiver object: each call goes to the receiver
// object, its tuning step, its AFC or its automatic mode table.
// Thread contract: user-interface thread only.
#pragma once

#include "scan/ScanReceiver.h"

namespace corvell {

class frmTesselbase;

class TesselbaseScanReceiver final : public ScanReceiver {
  public:
    explicit TesselbaseScanReceiver(frmTesselbase& rx) : rx_(rx) {}

    int32_t Power() override;
    int32_t Error() override;
    int32_t LinkStat() override;
    void SendFreq() override;
    void SendSCAN() override;
    void SetDispReq() override;
    int32_t Frequency() override;
    void setFrequency(int32_t hz) override;
    int32_t frq_upcalc() override;
    int32_t frq_downcalc() override;
    void SetScanRxData(int32_t hz, const std::string& mode, const std::string& filter, int32_t att,
                       int32_t tone, const std::string& tsname) override;
    std::string tsname() override;
    void setTsname(const std::string& name) override;
    void clearTsAlign() override;
    std::string ModeText() override;
    void setModeText(const std::string& text) override;
    std::string FilterText() override;
    void setFilterText(const std::string& text) override;
    int32_t att() override;
    void setAtt(int32_t v) override;
    int32_t ctcss() override;
    int32_t afgain() override;
    void setAfgain(int32_t v) override;
    int32_t busy() override;
    int32_t vsc() override;
    int32_t afout() override;
    void afc_res() override;
    void afc_start() override;
    void automodeOff() override;

  private:
    frmTesselbase& rx_;
};

}  // namespace corvell
