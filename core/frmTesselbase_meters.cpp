// Meters, status, power and sends of the receiver object: the smoothed S-meter, the busy and
// receive-error rules, versions and option bits with the band-edge selection, power on and off,
// the link status, and the direct scan, scope and AF-mute sends.
#include <cmath>

#include "core/BandEdgeTables.h"
#include "core/LocaleProcs.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/ValueProcs.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/frmTesselbase.h"

namespace corvell {
namespace {

int16_t roundHalfEven(double v) {
    return static_cast<int16_t>(std::nearbyint(v));
}

}  // namespace

int32_t frmTesselbase::busy() const {
    const QuillonApi& rs = Quillon();
    const int32_t b = rs.RsGetBusy();
    if (!scopeData_ || scopeData_->mode() != kScopeSingle) return b;
    const int32_t t = rs.RsGetScanStat();
    if (t >= 1 && t <= 5) return 0;
    const int32_t threshold = 2 * squelch() - 256;
    if (t == 16) return Smeter() + 3 > threshold ? 1 : 0;
    return Smeter() > threshold ? 1 : 0;
}

int32_t frmTesselbase::Smeter() const {
    return Quillon().RsGetSmeter();
}

int32_t frmTesselbase::cmeter() const {
    return Quillon().RsGetCmeter();
}

int32_t frmTesselbase::afout() const {
    return Quillon().RsGetAfopen();
}

int32_t frmTesselbase::rxerr() {
    if (frequency_ != rxerrFrequency_) {
        rxerrFrequency_ = frequency_;
        rxerrTick_.setCounter(kRxerrSettleMs);
    }
    if (blank_ == 0 && frequency_ != 0 && rxerrTick_.counter() == 0) {
        return Quillon().RsGetRxerr();
    }
    return 0;
}

int32_t frmTesselbase::UnitOption() const {
    return Quillon().RsGetUnitOption();
}

int32_t frmTesselbase::VerCPU() const {
    return Quillon().RsGetVerCPU();
}

int32_t frmTesselbase::VerSCI() const {
    return Quillon().RsGetVerSCI();
}

int32_t frmTesselbase::MatrixVersion() {
    const int32_t v = Quillon().RsGetMatrixVersion();
    if (v < 0 || v > 15) return -1;
    setRxVersion(static_cast<int16_t>(v));
    return v;
}

void frmTesselbase::setRxVersion(int16_t code) {
    if (code == versionCode_) return;
    versionCode_ = code;
    SelectCountryVersion(EDGES(), CountryVersionTableName(code));
}

void frmTesselbase::UpdateSmeter() {
    const int32_t hold = smeterHold_.counter();
    int32_t raw = 0;
    if (hold <= 0 && LinkStat() == kLinkStatLinked) raw = ClampLong(0, 255, Smeter());
    if (blank_ != 0) {
        // While blank the meter shows the squelch setting from its middle upwards.
        const int32_t q = squelch();
        raw = q > 127 ? ClampLong(0, 208, 2 * ClampLong(0, 255, q) - 256) : 0;
    }
    smeterRaw_ = static_cast<int16_t>(raw);
    smeterHalf_ = roundHalfEven((smeterRaw_ - smeterSmooth_) / 2.0);
    smeterSmooth_ =
        ClampInt(0, 255, static_cast<int16_t>(smeterSmooth_ + smeterHalf_ - smeterDamp_));
    smeterDamp_ = roundHalfEven((smeterDamp_ - smeterHalf_) * 0.2);
}

void frmTesselbase::setPower(int32_t v) {
    if (v == power_) return;
    if (v != 0) {
        PowerOn();
    } else {
        PowerOff();
    }
}

void frmTesselbase::PowerOn() {
    error_ = 0;
    power_ = 1;
    linkTick_.setCounter(kLinkWaitMs);
    smeterHold_.setCounter(kSmeterHoldMs);
    Quillon().RsPowerOn();
    versionRead_ = true;
    connectionWait_ = true;
}

void frmTesselbase::PowerOff() {
    power_ = 0;
    Quillon().RsPowerOff();
}

int32_t frmTesselbase::ComPortNum() const {
    return Quillon().RsGetComportNum();
}

void frmTesselbase::setComPortNum(int32_t n) {
    Quillon().RsSetComportNum(n);
}

int32_t frmTesselbase::LinkStat() const {
    return Quillon().RsGetPowerOnStat() == 0 ? kLinkStatConnecting : kLinkStatLinked;
}

void frmTesselbase::SendFreq() {
    Quillon().RsSendFreq();
}

void frmTesselbase::SendSCAN() {
    ScanCtrlRef* scan = ScanObj();
    if (!scan) return;
    int32_t v = ClampLong(0, 127, scan->speed() + scan->speedbase());
    if (scan->slow1time() != 0 && v < 100) v = 100;
    scan->setSlow1time(0);
    const int32_t value = (scan->scanning() == 0 || scan->pause() != 0) ? 0 : 128 + v;
    Quillon().RsSendScan(value);
}

void frmTesselbase::SendSCOPE() {
    clsScopeDATA& data = ScopeDATA();
    const int32_t m = ScopeSTAT().pause() != 0 ? 0 : data.mode();
    Quillon().RsSendScope(m, data.bwidth(), data.speed(), data.ts());
}

void frmTesselbase::SendSCOPEOFF() {
    clsScopeDATA& data = ScopeDATA();
    Quillon().RsSendScope(0, data.bwidth(), data.speed(), data.ts());
}

void frmTesselbase::SendOneShotAfMute(int32_t ms) {
    Quillon().RsSendOneShotAfMute(ms);
}

void frmTesselbase::setExtPlug(int32_t v) {
    Quillon().RsSetExtPlug(v);
}

void frmTesselbase::setExtOutLevel(int32_t v) {
    Quillon().RsSetExtOutLevel(v);
}

void frmTesselbase::setDspUnitOn(bool on) {
    Quillon().RsSetDspUnitOn(on ? 1 : 0);
}

void frmTesselbase::setDspOn(bool on) {
    Quillon().RsSetDspOn(on ? 1 : 0);
}

void frmTesselbase::setDspAn(bool on) {
    Quillon().RsSetDspAn(on ? 1 : 0);
}

void frmTesselbase::setDspNr(int32_t v) {
    Quillon().RsSetDspNr(v);
}

void frmTesselbase::MyOptionUpdate() {
    optionCache_ = static_cast<int16_t>(UnitOption());
    japaneseLocale_ = IsJapaneseLocale();
}

int32_t frmTesselbase::DarcUsable() const {
    return (japaneseLocale_ && (optionCache_ & 16) != 0) ? 16 : 0;
}

int32_t frmTesselbase::DSPUsable() const {
    return (optionCache_ & 1) != 0 ? 1 : 0;
}

}  // namespace corvell
