// The settings of the receiver's optional DSP unit: unit in use, DSP on, noise reduction with
// its level, automatic notch. Every change goes to the receiver through the receiver object;
// UpdateDirect pushes them all again.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {

class frmTesselbase;

class clsDSPdata {
  public:
    static constexpr int32_t kNrLevelMax = 15;

    // The unit counts as present when the link library's option bits say so.
    explicit clsDSPdata(frmTesselbase& receiver);

    // All off, then the stored values, unmasked.
    void UpdateDirect();

    bool enable() const { return enable_; }
    void setEnable(bool on);
    // The three switches read False while the unit is not in use; their writes are taken only
    // while it is.
    bool afon() const { return enable_ && afon_; }
    void setAfon(bool on);
    bool nr() const { return enable_ && nr_; }
    void setNr(bool on);
    // Clamps the caller's value to 0..15 in place.
    int32_t nrlevel() const { return nrlevel_; }
    void setNrlevel(int32_t& level);
    bool anf() const { return enable_ && anf_; }
    void setAnf(bool on);

    // The switches as the user set them, whether the unit is in use or not (what is saved).
    bool afonSetting() const { return afon_; }
    bool nrSetting() const { return nr_; }
    bool anfSetting() const { return anf_; }

  private:
    void dsp_init();
    int32_t nrValue() const { return nr_ ? nrlevel_ + 1 : 0; }

    frmTesselbase& rx_;
    bool enable_ = false;
    bool afon_ = false;
    bool nr_ = false;
    bool anf_ = false;
    int32_t nrlevel_ = 9;
};

}  // namespace corvell
