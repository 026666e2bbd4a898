// What the scan engine asks of the receiver: the receiver object's properties and sends, its
// tuning-step align flag, its AFC and its automatic mode table, gathered in one narrow interface
// so the engine can be built and measured on its own.
// Thread contract: user-interface thread only, like the receiver object behind it.
#pragma once

#include <cstdint>
#include <string>

namespace corvell {

class ScanReceiver {
  public:
    virtual ~ScanReceiver() = default;

    // Link and power state.
    virtual int32_t Power() = 0;
    virtual int32_t Error() = 0;
    virtual int32_t LinkStat() = 0;

    // Direct sends and the panels' redraw request.
    virtual void SendFreq() = 0;
    virtual void SendSCAN() = 0;
    virtual void SetDispReq() = 0;

    // Tuning.
    virtual int32_t Frequency() = 0;
    virtual void setFrequency(int32_t hz) = 0;
    virtual int32_t frq_upcalc() = 0;
    virtual int32_t frq_downcalc() = 0;
    virtual void SetScanRxData(int32_t hz, const std::string& mode, const std::string& filter,
                               int32_t att, int32_t tone, const std::string& tsname) = 0;

    // The receiver's tuning step (name as the step object gives it) and its align flag.
    virtual std::string tsname() = 0;
    virtual void setTsname(const std::string& name) = 0;
    virtual void clearTsAlign() = 0;

    // Mode, filter and switches.
    virtual std::string ModeText() = 0;
    virtual void setModeText(const std::string& text) = 0;
    virtual std::string FilterText() = 0;
    virtual void setFilterText(const std::string& text) = 0;
    virtual int32_t att() = 0;
    virtual void setAtt(int32_t v) = 0;
    virtual int32_t ctcss() = 0;
    virtual int32_t afgain() = 0;
    virtual void setAfgain(int32_t v) = 0;

    // Signal state.
    virtual int32_t busy() = 0;
    virtual int32_t vsc() = 0;
    virtual int32_t afout() = 0;

    // Software AFC and automatic mode selection.
    virtual void afc_res() = 0;
    virtual void afc_start() = 0;
    virtual void automodeOff() = 0;
};

}  // namespace corvell
