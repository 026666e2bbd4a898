// The main program's way to the receiver link library: one table of the library's 78 exports.
// By default each entry binds its export of libquillon.so at its first call (the library is
// loaded by name on first need, beside the executable first); a missing library or export is
// reported once and the call answers 0. Tests bind a table of their own instead.
// Thread contract: calls through the table may come from any thread; BindQuillon,
// SetQuillonLibraryPath and ResetQuillonLibrary are for start-up and tests, while no call runs.
#pragma once

#include <cstdint>
#include <string>

// Every export, by the number of its 32-bit arguments.
// clang-format off
#define CORVELL_QUILLON_EXPORTS(X0, X1, X4, X6) \
    X1(RsSetFrequency) X0(RsGetFrequency) X1(RsSetPllRefFrequency)   \
    X0(RsGetPllRefFrequency) X1(RsSetMode) X0(RsGetMode)             \
    X1(RsSetFilter) X0(RsGetFilter) X1(RsSetAfgain)                  \
    X0(RsGetAfgain) X1(RsSetAfmute) X0(RsGetAfmute)                  \
    X1(RsSetSql) X0(RsGetSql) X1(RsSetMoni)                          \
    X0(RsGetMoni) X1(RsSetIfshift) X0(RsGetIfshift)                  \
    X1(RsSetAgc) X0(RsGetAgc) X1(RsSetNb)                            \
    X0(RsGetNb) X1(RsSetAtt) X0(RsGetAtt)                            \
    X1(RsSetAfc) X0(RsGetAfc) X1(RsSetAnl)                           \
    X0(RsGetAnl) X1(RsSetBfoshift) X0(RsGetBfoshift)                 \
    X1(RsSetVsc) X0(RsGetVsc) X1(RsSetCtcss)                         \
    X0(RsGetCtcss) X1(RsSetBpftune) X0(RsGetBpftune)                 \
    X1(RsSetExtPlug) X0(RsGetExtPlug) X1(RsSetExtOutLevel)           \
    X0(RsGetExtOutLevel) X1(RsSetDspUnitOn) X0(RsGetDspUnitOn)       \
    X1(RsSetDspOn) X0(RsGetDspOn) X1(RsSetDspNr)                     \
    X0(RsGetDspNr) X1(RsSetDspAn) X0(RsGetDspAn)                     \
    X0(RsGetBusy) X0(RsGetAfopen) X0(RsGetVscbusy)                   \
    X0(RsGetStereoDet) X0(RsGetExtspJackIn) X0(RsGetRxerr)           \
    X0(RsGetSmeter) X0(RsGetCmeter) X0(RsGetDtmfr)                   \
    X1(RsSetDtmfr) X0(RsGetCmdStat) X0(RsGetVerSCI)                  \
    X0(RsGetVerCPU) X0(RsGetUnitOption) X0(RsGetMatrixVersion)       \
    X0(RsGetScanStat) X0(RsGetPowerOnStat) X1(RsGetScopeBuff)        \
    X1(RsSetComportNum) X0(RsGetComportNum) X0(RsGetComportDSRstat)  \
    X0(RsGetComportCTSstat) X0(RsPowerOn) X0(RsPowerOff)             \
    X1(RsSetHwndScanNotify) X0(RsSendFreq) X1(RsSendScan)            \
    X6(RsSetScanRxData) X4(RsSendScope) X1(RsSendOneShotAfMute)
// clang-format on

namespace corvell {

struct QuillonApi {
    using Fn0 = int32_t (*)();
    using Fn1 = int32_t (*)(int32_t);
    using Fn4 = int32_t (*)(int32_t, int32_t, int32_t, int32_t);
    using Fn6 = int32_t (*)(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);

#define CORVELL_QUILLON_FIELD0(name) Fn0 name = nullptr;
#define CORVELL_QUILLON_FIELD1(name) Fn1 name = nullptr;
#define CORVELL_QUILLON_FIELD4(name) Fn4 name = nullptr;
#define CORVELL_QUILLON_FIELD6(name) Fn6 name = nullptr;
    CORVELL_QUILLON_EXPORTS(CORVELL_QUILLON_FIELD0, CORVELL_QUILLON_FIELD1, CORVELL_QUILLON_FIELD4,
                            CORVELL_QUILLON_FIELD6)
#undef CORVELL_QUILLON_FIELD0
#undef CORVELL_QUILLON_FIELD1
#undef CORVELL_QUILLON_FIELD4
#undef CORVELL_QUILLON_FIELD6
};

// The number of exports in the table.
inline constexpr int kQuillonExportCount = 78;

// The table in use: the library's, or the one a test bound.
const QuillonApi& Quillon();

// Makes `table` the one in use (it must outlive its use); nullptr goes back to the library.
void BindQuillon(const QuillonApi* table);

// The table whose entries bind the exports of libquillon.so lazily.
const QuillonApi& QuillonLibraryApi();

// Where the library is looked for: empty (the default) means libquillon.so beside the
// executable, then the normal search of the dynamic loader; any other text is the exact path.
void SetQuillonLibraryPath(std::string path);

// Forgets every bound export and unloads the library, so the next call loads it anew.
void ResetQuillonLibrary();

}  // namespace corvell
