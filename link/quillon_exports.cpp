// The library's exports: thin forwarders to the one store and the one controller of the
// process. The store is built first and destroyed last; the controller holds the serial port
// and the sender thread.
#define QUILLON_BUILD 1
#include "link/quillon.h"
#include "link/receiver_controller.h"
#include "link/receiver_state.h"

namespace {

// Both in this one file, so they are built in this order and destroyed in the reverse one.
quillon::ReceiverState g_state;
quillon::ReceiverController g_controller(g_state);

}  // namespace

extern "C" {

int32_t RsSetFrequency(int32_t frequency) {
    return g_state.setFrequency(frequency);
}

int32_t RsGetFrequency() {
    return g_state.frequency();
}

int32_t RsSetPllRefFrequency(int32_t pllref) {
    return g_state.setPllRefFrequency(pllref);
}

int32_t RsGetPllRefFrequency() {
    return g_state.pllRefFrequency();
}

int32_t RsSetMode(int32_t mode) {
    return g_state.setMode(mode);
}

int32_t RsGetMode() {
    return g_state.mode();
}

int32_t RsSetFilter(int32_t filter) {
    return g_state.setFilter(filter);
}

int32_t RsGetFilter() {
    return g_state.filter();
}

int32_t RsSetAfgain(int32_t afgain) {
    return g_state.setAfgain(afgain);
}

int32_t RsGetAfgain() {
    return g_state.afgain();
}

int32_t RsSetAfmute(int32_t afmute) {
    return g_state.setAfmute(afmute);
}

int32_t RsGetAfmute() {
    return g_state.afmute();
}

int32_t RsSetSql(int32_t sql) {
    return g_state.setSql(sql);
}

int32_t RsGetSql() {
    return g_state.sql();
}

int32_t RsSetMoni(int32_t moni) {
    return g_state.setMoni(moni);
}

int32_t RsGetMoni() {
    return g_state.moni();
}

int32_t RsSetIfshift(int32_t ifshift) {
    return g_state.setIfshift(ifshift);
}

int32_t RsGetIfshift() {
    return g_state.ifshift();
}

int32_t RsSetAgc(int32_t agc) {
    return g_state.setAgc(agc);
}

int32_t RsGetAgc() {
    return g_state.agc();
}

int32_t RsSetNb(int32_t nb) {
    return g_state.setNb(nb);
}

int32_t RsGetNb() {
    return g_state.nb();
}

int32_t RsSetAtt(int32_t att) {
    return g_state.setAtt(att);
}

int32_t RsGetAtt() {
    return g_state.att();
}

int32_t RsSetAfc(int32_t afc) {
    return g_state.setAfc(afc);
}

int32_t RsGetAfc() {
    return g_state.afc();
}

int32_t RsSetAnl(int32_t anl) {
    return g_state.setAnl(anl);
}

int32_t RsGetAnl() {
    return g_state.anl();
}

int32_t RsSetBfoshift(int32_t bfoshift) {
    return g_state.setBfoshift(bfoshift);
}

int32_t RsGetBfoshift() {
    return g_state.bfoshift();
}

int32_t RsSetVsc(int32_t vsc) {
    return g_state.setVsc(vsc);
}

int32_t RsGetVsc() {
    return g_state.vsc();
}

int32_t RsSetCtcss(int32_t ctcss) {
    return g_state.setCtcss(ctcss);
}

int32_t RsGetCtcss() {
    return g_state.ctcss();
}

int32_t RsSetBpftune(int32_t bpftune) {
    return g_state.setBpftune(bpftune);
}

int32_t RsGetBpftune() {
    return g_state.bpftune();
}

int32_t RsSetExtPlug(int32_t plug) {
    return g_state.setExtPlug(plug);
}

int32_t RsGetExtPlug() {
    return g_state.extPlug();
}

int32_t RsSetExtOutLevel(int32_t level) {
    return g_state.setExtOutLevel(level);
}

int32_t RsGetExtOutLevel() {
    return g_state.extOutLevel();
}

int32_t RsSetDspUnitOn(int32_t on) {
    return g_state.setDspUnitOn(on);
}

int32_t RsGetDspUnitOn() {
    return g_state.dspUnitOn();
}

int32_t RsSetDspOn(int32_t on) {
    return g_state.setDspOn(on);
}

int32_t RsGetDspOn() {
    return g_state.dspOn();
}

int32_t RsSetDspNr(int32_t nr) {
    return g_state.setDspNr(nr);
}

int32_t RsGetDspNr() {
    return g_state.dspNr();
}

int32_t RsSetDspAn(int32_t an) {
    return g_state.setDspAn(an);
}

int32_t RsGetDspAn() {
    return g_state.dspAn();
}

int32_t RsGetBusy() {
    return g_state.busy();
}

int32_t RsGetAfopen() {
    return g_state.afopen();
}

int32_t RsGetVscbusy() {
    return g_state.vscbusy();
}

int32_t RsGetStereoDet() {
    return g_state.stereoDet();
}

int32_t RsGetExtspJackIn() {
    return g_state.extspJackIn();
}

int32_t RsGetRxerr() {
    return g_state.rxerr();
}

int32_t RsGetSmeter() {
    return g_state.smeter();
}

int32_t RsGetCmeter() {
    return g_state.cmeter();
}

int32_t RsGetDtmfr() {
    return g_state.dtmfr();
}

int32_t RsSetDtmfr(int32_t code) {
    return g_state.setDtmfr(code);
}

int32_t RsGetCmdStat() {
    return g_state.cmdStat();
}

int32_t RsGetVerSCI() {
    return g_state.verSCI();
}

int32_t RsGetVerCPU() {
    return g_state.verCPU();
}

int32_t RsGetUnitOption() {
    return g_state.unitOption();
}

int32_t RsGetMatrixVersion() {
    return g_state.matrixVersion();
}

int32_t RsGetScanStat() {
    return g_state.scanStat();
}

int32_t RsGetPowerOnStat() {
    return g_state.powerOnStat();
}

int32_t RsGetScopeBuff(int32_t index) {
    return g_state.scopeBuff(index);
}

int32_t RsSetComportNum(int32_t port) {
    return g_controller.setComportNum(port);
}

int32_t RsGetComportNum() {
    return g_controller.comportNum();
}

int32_t RsGetComportDSRstat() {
    return g_controller.comportDSRstat();
}

int32_t RsGetComportCTSstat() {
    return g_controller.comportCTSstat();
}

int32_t RsPowerOn() {
    g_controller.PowerOn();
    return 1;
}

int32_t RsPowerOff() {
    g_controller.PowerOff();
    return 1;
}

int32_t RsSetHwndScanNotify(int32_t window) {
    return g_controller.setHwndScanNotify(window);
}

int32_t RsSendFreq() {
    g_controller.SendFreq();
    return 1;
}

int32_t RsSendScan(int32_t code) {
    g_controller.SendScan(code);
    return 1;
}

int32_t RsSetScanRxData(int32_t frequency, int32_t mode, int32_t filter, int32_t att, int32_t ctcss,
                        int32_t pllref) {
    g_controller.SetScanRxData(frequency, mode, filter, att, ctcss, pllref);
    return 1;
}

int32_t RsSendScope(int32_t mode, int32_t span, int32_t speed, int32_t step) {
    g_controller.SendScope(mode, span, speed, step);
    return 1;
}

int32_t RsSendOneShotAfMute(int32_t ms) {
    g_controller.SendOneShotAfMute(ms);
    return 1;
}

}  // extern "C"
