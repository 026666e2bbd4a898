#include "core/clsDSPdata.h"

#include "core/ValueProcs.h"
#include "core/frmTesselbase.h"

namespace corvell {

clsDSPdata::clsDSPdata(frmTesselbase& receiver) : rx_(receiver) {
    dsp_init();
}

void clsDSPdata::dsp_init() {
    enable_ = (rx_.UnitOption() & 1) != 0;
    afon_ = false;
    nr_ = false;
    anf_ = false;
    nrlevel_ = 9;
}

void clsDSPdata::UpdateDirect() {
    rx_.setDspUnitOn(false);
    rx_.setDspOn(false);
    rx_.setDspAn(false);
    rx_.setDspNr(0);
    rx_.setDspUnitOn(enable_);
    rx_.setDspOn(afon_);
    rx_.setDspAn(anf_);
    rx_.setDspNr(nrValue());
}

void clsDSPdata::setEnable(bool on) {
    if (on == enable_) return;
    enable_ = on;
    rx_.setDspUnitOn(on);
}

void clsDSPdata::setAfon(bool on) {
    if (!enable_ || on == afon_) return;
    afon_ = on;
    rx_.setDspOn(on);
}

void clsDSPdata::setNr(bool on) {
    if (!enable_ || on == nr_) return;
    nr_ = on;
    rx_.setDspNr(nrValue());
}

void clsDSPdata::setNrlevel(int32_t& level) {
    if (!enable_) return;
    level = ClampLong(0, kNrLevelMax, level);
    if (level == nrlevel_) return;
    nrlevel_ = level;
    rx_.setDspNr(nrValue());
}

void clsDSPdata::setAnf(bool on) {
    if (!enable_ || on == anf_) return;
    anf_ = on;
    rx_.setDspAn(on);
}

}  // namespace corvell
