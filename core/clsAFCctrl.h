// The program's own AFC for FM: while the receiver is in FM with its AFC switch on, it reads
// the centre meter as the pacing allows and retunes by 100 Hz towards the centre, keeping a base
// frequency (the one the user tuned to, moved in whole steps once the correction has drifted a
// full step) that a step up or down returns to first.
// Thread contract: user-interface thread only; it acts only through the receiver object.
#pragma once

#include <cstdint>

#include "core/clsCounter.h"

namespace corvell {

class frmTesselbase;

class clsAFCctrl {
  public:
    static constexpr int16_t kLongWait = 500;
    static constexpr int16_t kShortWait = 50;
    static constexpr int32_t kCorrectionHz = 100;
    static constexpr int32_t kLowestHz = 10000;
    static constexpr int32_t kHighestHz = 1300000000;

    explicit clsAFCctrl(frmTesselbase& receiver);

    // One more tick on the pacing counter, then one pass.
    void TASK_exec2();
    int32_t Frequency() const;
    void setFrequency(int32_t f);
    int16_t fafc() const;
    // One AFC pass.
    void exec();
    void afc_start();
    void afc_res();

    // State, for the panels and tests.
    int32_t BaseFrequency() const { return base_; }
    int16_t Threshold() const { return threshold_; }
    int16_t LastSwitch() const { return last_; }
    int16_t PacingCount() const { return counter_.value(); }

  private:
    void afc_init();
    void afc_on();
    void afc_off();
    bool afc_wait();
    bool afc_blank() const;
    void wait_short();
    void wait_long();
    void base_keep();
    void base_return();
    void afc_step();
    void base_follow(bool up);

    frmTesselbase& rx_;
    clsCounter counter_;
    int16_t threshold_ = kLongWait;
    int32_t base_ = 0;
    int16_t last_ = -1;
};

}  // namespace corvell
