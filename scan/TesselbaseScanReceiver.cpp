#include "scan/TesselbaseScanReceiver.h"

#include "core/clsAFCctrl.h"
#include "core/clsAUTOMODE.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"

namespace corvell {

int32_t TesselbaseScanReceiver::Power() {
    return rx_.Power();
}
int32_t TesselbaseScanReceiver::Error() {
    return rx_.Error();
}
int32_t TesselbaseScanReceiver::LinkStat() {
    return rx_.LinkStat();
}
void TesselbaseScanReceiver::SendFreq() {
    rx_.SendFreq();
}
void TesselbaseScanReceiver::SendSCAN() {
    rx_.SendSCAN();
}
void TesselbaseScanReceiver::SetDispReq() {
    rx_.SetDispReq();
}
int32_t TesselbaseScanReceiver::Frequency() {
    return rx_.Frequency();
}
void TesselbaseScanReceiver::setFrequency(int32_t hz) {
    rx_.setFrequency(hz);
}
int32_t TesselbaseScanReceiver::frq_upcalc() {
    return rx_.frq_upcalc();
}
int32_t TesselbaseScanReceiver::frq_downcalc() {
    return rx_.frq_downcalc();
}

void TesselbaseScanReceiver::SetScanRxData(int32_t hz, const std::string& mode,
                                           const std::string& filter, int32_t att, int32_t tone,
                                           const std::string& tsname) {
    rx_.SetScanRxData(hz, mode, filter, att, tone, tsname);
}

std::string TesselbaseScanReceiver::tsname() {
    return rx_.TSbase().tsname();
}
void TesselbaseScanReceiver::setTsname(const std::string& name) {
    rx_.TSbase().setTsname(name);
}
void TesselbaseScanReceiver::clearTsAlign() {
    rx_.TSbase().setAlignFlag(false);
}
std::string TesselbaseScanReceiver::ModeText() {
    return rx_.ModeText();
}
void TesselbaseScanReceiver::setModeText(const std::string& text) {
    rx_.setModeText(text);
}
std::string TesselbaseScanReceiver::FilterText() {
    return rx_.FilterText();
}
void TesselbaseScanReceiver::setFilterText(const std::string& text) {
    rx_.setFilterText(text);
}
int32_t TesselbaseScanReceiver::att() {
    return rx_.att();
}
void TesselbaseScanReceiver::setAtt(int32_t v) {
    rx_.setAtt(v);
}
int32_t TesselbaseScanReceiver::ctcss() {
    return rx_.ctcss();
}
int32_t TesselbaseScanReceiver::afgain() {
    return rx_.afgain();
}
void TesselbaseScanReceiver::setAfgain(int32_t v) {
    rx_.setAfgain(v);
}
int32_t TesselbaseScanReceiver::busy() {
    return rx_.busy();
}
int32_t TesselbaseScanReceiver::vsc() {
    return rx_.vsc();
}
int32_t TesselbaseScanReceiver::afout() {
    return rx_.afout();
}
void TesselbaseScanReceiver::afc_res() {
    rx_.AFCctrl().afc_res();
}
void TesselbaseScanReceiver::afc_start() {
    rx_.AFCctrl().afc_start();
}
void TesselbaseScanReceiver::automodeOff() {
    rx_.AutoMode().off();
}

}  // namespace corvell
