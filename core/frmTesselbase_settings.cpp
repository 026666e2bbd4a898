// The receiver object's keys in section "DATA": one table, walked in the same order by load and
// save, so a new setting is one row and the two can never disagree.
#include <cstdint>
#include <string>

#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/ReceiverSettingsPart.h"
#include "core/clsAUTOMODE.h"
#include "core/clsDSPdata.h"
#include "core/clsProfileIO.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"

namespace corvell {
namespace {

enum class Stored {
    Number,    // a 32-bit number
    Text,      // a quoted text
    Flag,      // "1"/"0"; any non-zero number reads as on
    FlagMinus  // a 16-bit "-1"/"0", as older files hold it; any non-zero number reads as on
};

struct DataKey {
    const char* key;
    Stored stored;
    int32_t number;    // default of a number or flag
    const char* text;  // default of a text
    int32_t (*getNumber)(frmTesselbase&);
    void (*setNumber)(frmTesselbase&, int32_t);
    std::string (*getText)(frmTesselbase&);
    void (*setText)(frmTesselbase&, const std::string&);
};

constexpr DataKey number(const char* key, int32_t def, int32_t (*get)(frmTesselbase&),
                         void (*set)(frmTesselbase&, int32_t), Stored stored = Stored::Number) {
    return {key, stored, def, nullptr, get, set, nullptr, nullptr};
}

constexpr DataKey text(const char* key, const char* def, std::string (*get)(frmTesselbase&),
                       void (*set)(frmTesselbase&, const std::string&)) {
    return {key, Stored::Text, 0, def, nullptr, nullptr, get, set};
}

// The filter remembered for one mode.
template <int32_t Mode>
constexpr DataKey filterOf(const char* key, int32_t def) {
    return number(
        key, def, [](frmTesselbase& r) { return r.FilterBuff(Mode); },
        [](frmTesselbase& r, int32_t v) { r.setFilterBuff(Mode, v); });
}

#define CORVELL_LEVEL(KEY, DEF, GET, SET)                   \
    number(                                                 \
        KEY, DEF, [](frmTesselbase& r) { return r.GET(); }, \
        [](frmTesselbase& r, int32_t v) { r.SET(v); })

// Load order is this order: the mode comes before the filter it limits.
const DataKey kDataKeys[] = {
    number(
        "RXFREQ", 145000000, [](frmTesselbase& r) { return r.Frequency(); },
        [](frmTesselbase& r, int32_t v) { r.setFrequency(v); }),
    text(
        "RXMODE", "FM", [](frmTesselbase& r) { return r.ModeText(); },
        [](frmTesselbase& r, const std::string& v) { r.setModeText(v); }),
    text(
        "RXFIL", "15k", [](frmTesselbase& r) { return r.FilterText(); },
        [](frmTesselbase& r, const std::string& v) { r.setFilterText(v); }),
    filterOf<kModeFM>("RXFIL_FM", kFilter15k),
    filterOf<kModeWFM>("RXFIL_WFM", kFilter230k),
    filterOf<kModeAM>("RXFIL_AM", kFilter6k),
    filterOf<kModeCW>("RXFIL_CW", kFilter3k),
    filterOf<kModeUSB>("RXFIL_USB", kFilter3k),
    filterOf<kModeLSB>("RXFIL_LSB", kFilter3k),
    text(
        "TS", "20k", [](frmTesselbase& r) { return r.TSbase().tsname(); },
        [](frmTesselbase& r, const std::string& v) { r.TSbase().setTsname(v); }),
    CORVELL_LEVEL("AFGAIN", 40, afgain, setAfgain),
    CORVELL_LEVEL("SQUELCH", 0, squelch, setSquelch),
    CORVELL_LEVEL("IFSHIFT", 128, ifshift, setIfshift),
    CORVELL_LEVEL("AGC", 0, agc, setAgc),
    CORVELL_LEVEL("NB", 0, nb, setNb),
    CORVELL_LEVEL("AFC", 0, afc, setAfc),
    CORVELL_LEVEL("ATT", 0, att, setAtt),
    CORVELL_LEVEL("ANL", 0, anl, setAnl),
    CORVELL_LEVEL("VSC", 0, vsc, setVsc),
    CORVELL_LEVEL("CTCSS", 0, ctcss, setCtcss),
    number(
        "AUTOMODE", 0, [](frmTesselbase& r) { return r.AutoMode().mode() ? 1 : 0; },
        [](frmTesselbase& r, int32_t v) { r.AutoMode().setMode(v); }, Stored::FlagMinus),
};

// The DSP switches as the user set them: a unit that has not reported yet must not turn them
// off in the file.
const DataKey kDspKeys[] = {
    number(
        "DSPON", 0, [](frmTesselbase& r) { return r.DSPdata().afonSetting() ? 1 : 0; },
        [](frmTesselbase& r, int32_t v) { r.DSPdata().setAfon(v != 0); }, Stored::Flag),
    number(
        "DSPANF", 0, [](frmTesselbase& r) { return r.DSPdata().anfSetting() ? 1 : 0; },
        [](frmTesselbase& r, int32_t v) { r.DSPdata().setAnf(v != 0); }, Stored::Flag),
    number(
        "DSPNR", 0, [](frmTesselbase& r) { return r.DSPdata().nrSetting() ? 1 : 0; },
        [](frmTesselbase& r, int32_t v) { r.DSPdata().setNr(v != 0); }, Stored::Flag),
    number(
        "DSPNRLEVEL", 0, [](frmTesselbase& r) { return r.DSPdata().nrlevel(); },
        [](frmTesselbase& r, int32_t v) { r.DSPdata().setNrlevel(v); }),
};

#undef CORVELL_LEVEL

void loadKey(clsProfileIO& p, const DataKey& k, frmTesselbase& r) {
    if (k.stored == Stored::Text) {
        std::string v = k.text;
        p.loadData(k.key, v, std::string(k.text));
        k.setText(r, v);
    } else {
        int32_t v = k.number;
        p.loadData(k.key, v, k.number);
        k.setNumber(r, k.stored == Stored::Number ? v : (v != 0 ? 1 : 0));
    }
}

void saveKey(clsProfileIO& p, const DataKey& k, frmTesselbase& r) {
    switch (k.stored) {
        case Stored::Text:
            p.saveData(k.key, k.getText(r));
            break;
        case Stored::Number:
            p.saveData(k.key, k.getNumber(r));
            break;
        case Stored::Flag:
            p.saveData(k.key, k.getNumber(r) != 0);
            break;
        case Stored::FlagMinus:
            p.saveData(k.key, static_cast<int16_t>(k.getNumber(r) != 0 ? -1 : 0));
            break;
    }
}

}  // namespace

void frmTesselbase::loadData() {
    clsProfileIO& p = ProgramProfile();
    p.setSection("DATA");
    // Written by whoever learns the receiver's country version; read here only.
    p.loadData("COUNTRYVER", countryVer_, "GENE");
    for (const DataKey& k : kDataKeys) loadKey(p, k, *this);
    // The unit counts as present while the switches are applied; which unit is really fitted
    // is settled once the receiver has reported its options.
    DSPdata().setEnable(true);
    for (const DataKey& k : kDspKeys) loadKey(p, k, *this);
    if (settingsPart_) settingsPart_->loadSettings(p);
}

void frmTesselbase::saveData() {
    clsProfileIO& p = ProgramProfile();
    p.setSection("DATA");
    for (const DataKey& k : kDataKeys) saveKey(p, k, *this);
    for (const DataKey& k : kDspKeys) saveKey(p, k, *this);
    if (settingsPart_) settingsPart_->saveSettings(p);
}

}  // namespace corvell
