/* The receiver link library: the only way to the receiver. Every export takes and returns
 * 32-bit signed integers by value; no pointer, buffer or string crosses it.
 * Thread contract: setters and getters take no lock and may be called from any thread; the
 * power and direct-send exports hold the command mutex and may wait for a transmission of the
 * sender thread to end. The library keeps one link for the whole process. */
#ifndef QUILLON_H
#define QUILLON_H

#include <stdint.h>

#if defined(QUILLON_BUILD)
#define QUILLON_API __attribute__((visibility("default")))
#else
#define QUILLON_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Wanted settings: each setter stores a changed value and flags it for the sender thread. */
QUILLON_API int32_t RsSetFrequency(int32_t frequency);
QUILLON_API int32_t RsGetFrequency(void);
QUILLON_API int32_t RsSetPllRefFrequency(int32_t pllref);
QUILLON_API int32_t RsGetPllRefFrequency(void);
QUILLON_API int32_t RsSetMode(int32_t mode);
QUILLON_API int32_t RsGetMode(void);
QUILLON_API int32_t RsSetFilter(int32_t filter);
QUILLON_API int32_t RsGetFilter(void);
QUILLON_API int32_t RsSetAfgain(int32_t afgain);
QUILLON_API int32_t RsGetAfgain(void);
QUILLON_API int32_t RsSetAfmute(int32_t afmute);
QUILLON_API int32_t RsGetAfmute(void);
QUILLON_API int32_t RsSetSql(int32_t sql);
QUILLON_API int32_t RsGetSql(void);
QUILLON_API int32_t RsSetMoni(int32_t moni);
QUILLON_API int32_t RsGetMoni(void);
QUILLON_API int32_t RsSetIfshift(int32_t ifshift);
QUILLON_API int32_t RsGetIfshift(void);
QUILLON_API int32_t RsSetAgc(int32_t agc);
QUILLON_API int32_t RsGetAgc(void);
QUILLON_API int32_t RsSetNb(int32_t nb);
QUILLON_API int32_t RsGetNb(void);
QUILLON_API int32_t RsSetAtt(int32_t att);
QUILLON_API int32_t RsGetAtt(void);
QUILLON_API int32_t RsSetAfc(int32_t afc);
QUILLON_API int32_t RsGetAfc(void);
QUILLON_API int32_t RsSetAnl(int32_t anl);
QUILLON_API int32_t RsGetAnl(void);
QUILLON_API int32_t RsSetBfoshift(int32_t bfoshift);
QUILLON_API int32_t RsGetBfoshift(void);
QUILLON_API int32_t RsSetVsc(int32_t vsc);
QUILLON_API int32_t RsGetVsc(void);
QUILLON_API int32_t RsSetCtcss(int32_t ctcss);
QUILLON_API int32_t RsGetCtcss(void);
QUILLON_API int32_t RsSetBpftune(int32_t bpftune);
QUILLON_API int32_t RsGetBpftune(void);
QUILLON_API int32_t RsSetExtPlug(int32_t plug);
QUILLON_API int32_t RsGetExtPlug(void);
QUILLON_API int32_t RsSetExtOutLevel(int32_t level);
QUILLON_API int32_t RsGetExtOutLevel(void);
QUILLON_API int32_t RsSetDspUnitOn(int32_t on);
QUILLON_API int32_t RsGetDspUnitOn(void);
QUILLON_API int32_t RsSetDspOn(int32_t on);
QUILLON_API int32_t RsGetDspOn(void);
QUILLON_API int32_t RsSetDspNr(int32_t nr);
QUILLON_API int32_t RsGetDspNr(void);
QUILLON_API int32_t RsSetDspAn(int32_t an);
QUILLON_API int32_t RsGetDspAn(void);

/* Received values and status, as the receiver last reported them. */
QUILLON_API int32_t RsGetBusy(void);
QUILLON_API int32_t RsGetAfopen(void);
QUILLON_API int32_t RsGetVscbusy(void);
QUILLON_API int32_t RsGetStereoDet(void);
QUILLON_API int32_t RsGetExtspJackIn(void);
QUILLON_API int32_t RsGetRxerr(void);
QUILLON_API int32_t RsGetSmeter(void);
QUILLON_API int32_t RsGetCmeter(void);
QUILLON_API int32_t RsGetDtmfr(void);
QUILLON_API int32_t RsSetDtmfr(int32_t code);
QUILLON_API int32_t RsGetCmdStat(void);
QUILLON_API int32_t RsGetVerSCI(void);
QUILLON_API int32_t RsGetVerCPU(void);
QUILLON_API int32_t RsGetUnitOption(void);
QUILLON_API int32_t RsGetMatrixVersion(void);
QUILLON_API int32_t RsGetScanStat(void);
QUILLON_API int32_t RsGetPowerOnStat(void);
QUILLON_API int32_t RsGetScopeBuff(int32_t index);

/* Port, power, scan notification and direct sends. */
QUILLON_API int32_t RsSetComportNum(int32_t port);
QUILLON_API int32_t RsGetComportNum(void);
QUILLON_API int32_t RsGetComportDSRstat(void);
QUILLON_API int32_t RsGetComportCTSstat(void);
QUILLON_API int32_t RsPowerOn(void);
QUILLON_API int32_t RsPowerOff(void);
QUILLON_API int32_t RsSetHwndScanNotify(int32_t window);
QUILLON_API int32_t RsSendFreq(void);
QUILLON_API int32_t RsSendScan(int32_t code);
QUILLON_API int32_t RsSetScanRxData(int32_t frequency, int32_t mode, int32_t filter, int32_t att,
                                    int32_t ctcss, int32_t pllref);
QUILLON_API int32_t RsSendScope(int32_t mode, int32_t span, int32_t speed, int32_t step);
QUILLON_API int32_t RsSendOneShotAfMute(int32_t ms);

#ifdef __cplusplus
}
#endif

#endif /* QUILLON_H */
