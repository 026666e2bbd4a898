// A stand-in for the receiver object while the scan engine is tested on its own: it keeps a
// frequency, mode, filter and step like the receiver does, and records every send in order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "scan/ScanReceiver.h"

namespace corvell {

class frmSCANctrl;

class FakeReceiver : public ScanReceiver {
  public:
    // The controller whose speed settings SendSCAN reads, as the receiver object does.
    frmSCANctrl* scan = nullptr;

    int32_t power = 1, error = 0, linkStat = 6;
    int32_t freq = 0, step = 20000;
    std::string step_name = "20kHz", mode = "FM", filter = "15k";
    int32_t att_ = 0, ctcss_ = 0, afgain_ = 128;
    int32_t busy_ = 0, vsc_ = 0, afout_ = 0;
    std::vector<std::string> log;
    std::vector<int> scanBytes;
    // Runs inside SendSCAN, as a reply handled while a step is running would.
    std::function<void()> onSendScan;

    int32_t Power() override { return power; }
    int32_t Error() override { return error; }
    int32_t LinkStat() override { return linkStat; }
    void SendFreq() override;
    void SendSCAN() override;
    void SetDispReq() override { log.push_back("DispReq"); }
    int32_t Frequency() override { return freq; }
    void setFrequency(int32_t hz) override;
    int32_t frq_upcalc() override { return freq + step; }
    int32_t frq_downcalc() override { return freq - step; }
    void SetScanRxData(int32_t hz, const std::string& m, const std::string& f, int32_t a,
                       int32_t tone, const std::string& ts) override;
    std::string tsname() override { return step_name; }
    void setTsname(const std::string& n) override;
    void clearTsAlign() override { log.push_back("AlignClear"); }
    std::string ModeText() override { return mode; }
    void setModeText(const std::string& t) override { mode = t; }
    std::string FilterText() override { return filter; }
    void setFilterText(const std::string& t) override { filter = t; }
    int32_t att() override { return att_; }
    void setAtt(int32_t v) override { att_ = v; }
    int32_t ctcss() override { return ctcss_; }
    int32_t afgain() override { return afgain_; }
    void setAfgain(int32_t v) override;
    int32_t busy() override { return busy_; }
    int32_t vsc() override { return vsc_; }
    int32_t afout() override { return afout_; }
    void afc_res() override { log.push_back("AfcRes"); }
    void afc_start() override { log.push_back("AfcStart"); }
    void automodeOff() override { log.push_back("AutoOff"); }

    // Only the entries of the log that start with one of these prefixes.
    std::vector<std::string> only(std::initializer_list<const char*> prefixes) const;
};

}  // namespace corvell
