// Mode, filter and level settings of the receiver object: code/text translation, the filter
// remembered per mode and corrected to what the mode allows, and the one-to-one level setters,
// six of which send nothing while the receiver is blank.
#include "core/ModeFilterCodes.h"
#include "core/QuillonApi.h"
#include "core/ValueProcs.h"
#include "core/frmTesselbase.h"

namespace corvell {
namespace {

bool hasFilterMemory(int32_t mode) {
    return mode >= kModeLSB && mode <= kModeWFM;
}

}  // namespace

int32_t frmTesselbase::mode() const {
    return Quillon().RsGetMode();
}

void frmTesselbase::setMode(int32_t code) {
    Quillon().RsSetMode(code);
}

std::string frmTesselbase::ModeText() const {
    if (blank_ != 0) return "BLANK";
    return ModeNameOf(mode());
}

void frmTesselbase::setModeText(std::string_view text) {
    if (blank_ != 0) return;
    setMode(ModeCodeOf(text));
}

void frmTesselbase::ModeGroup(int16_t code) {
    setMode(code);
    const int32_t m = mode();
    setFilter(FilterBuff(m));
}

int32_t frmTesselbase::FilterCorrect(int32_t mode, int32_t filter) {
    switch (mode) {
        case kModeAM:
            return ClampLong(kFilter3k, kFilter50k, filter);
        case kModeFM:
            return ClampLong(kFilter6k, kFilter50k, filter);
        case kModeWFM:
            return ClampLong(kFilter50k, kFilter230k, filter);
        default:
            return ClampLong(kFilter3k, kFilter6k, filter);
    }
}

// Modes outside 0..6 have no memory: nothing is stored for them and they read as the lowest
// filter such a mode allows.
int32_t frmTesselbase::FilterBuff(int32_t mode) const {
    if (!hasFilterMemory(mode)) return FilterCorrect(mode, 0);
    return filterMemory_[static_cast<std::size_t>(mode)];
}

void frmTesselbase::setFilterBuff(int32_t mode, int32_t filter) {
    if (!hasFilterMemory(mode)) return;
    filterMemory_[static_cast<std::size_t>(mode)] = FilterCorrect(mode, filter);
}

int32_t frmTesselbase::filter() const {
    return Quillon().RsGetFilter();
}

void frmTesselbase::setFilter(int32_t code) {
    setFilterBuff(mode(), code);
    const int32_t m = mode();
    Quillon().RsSetFilter(hasFilterMemory(m) ? FilterBuff(m) : FilterCorrect(m, code));
}

std::string frmTesselbase::FilterText() const {
    return FilterNameOf(filter());
}

void frmTesselbase::setFilterText(std::string_view text) {
    setFilter(FilterCodeOf(text));
}

int32_t frmTesselbase::afgain() const {
    return Quillon().RsGetAfgain();
}
void frmTesselbase::setAfgain(int32_t v) {
    Quillon().RsSetAfgain(v);
}

int32_t frmTesselbase::afmute() const {
    return Quillon().RsGetAfmute();
}
void frmTesselbase::setAfmute(int16_t v) {
    Quillon().RsSetAfmute(v);
}

int32_t frmTesselbase::squelch() const {
    return Quillon().RsGetSql();
}
void frmTesselbase::setSquelch(int32_t v) {
    Quillon().RsSetSql(v);
}

int32_t frmTesselbase::moni() const {
    return Quillon().RsGetMoni();
}
void frmTesselbase::setMoni(int16_t v) {
    Quillon().RsSetMoni(v);
}

int32_t frmTesselbase::ifshift() const {
    return Quillon().RsGetIfshift();
}
void frmTesselbase::setIfshift(int32_t v) {
    Quillon().RsSetIfshift(v);
}

int32_t frmTesselbase::agc() const {
    return Quillon().RsGetAgc();
}
void frmTesselbase::setAgc(int32_t v) {
    if (blank_ == 0) Quillon().RsSetAgc(v);
}

int32_t frmTesselbase::nb() const {
    return Quillon().RsGetNb();
}
void frmTesselbase::setNb(int32_t v) {
    if (blank_ == 0) Quillon().RsSetNb(v);
}

int32_t frmTesselbase::att() const {
    return Quillon().RsGetAtt();
}
void frmTesselbase::setAtt(int32_t v) {
    if (blank_ == 0) Quillon().RsSetAtt(v);
}

int32_t frmTesselbase::afc() const {
    return Quillon().RsGetAfc();
}
void frmTesselbase::setAfc(int32_t v) {
    if (blank_ == 0) Quillon().RsSetAfc(v);
}

int32_t frmTesselbase::anl() const {
    return Quillon().RsGetAnl();
}
void frmTesselbase::setAnl(int32_t v) {
    if (blank_ == 0) Quillon().RsSetAnl(v);
}

int32_t frmTesselbase::vsc() const {
    return Quillon().RsGetVsc();
}
void frmTesselbase::setVsc(int32_t v) {
    Quillon().RsSetVsc(v);
}

int32_t frmTesselbase::ctcss() const {
    return Quillon().RsGetCtcss();
}
void frmTesselbase::setCtcss(int32_t v) {
    if (blank_ == 0) Quillon().RsSetCtcss(v);
}

}  // namespace corvell
