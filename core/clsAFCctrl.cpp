#include "core/clsAFCctrl.h"

#include <algorithm>

#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"

namespace corvell {

clsAFCctrl::clsAFCctrl(frmTesselbase& receiver) : rx_(receiver) {
    afc_init();
}

void clsAFCctrl::afc_init() {
    threshold_ = kLongWait;
    counter_.setValue(0);
    base_ = 0;
    last_ = -1;
}

void clsAFCctrl::TASK_exec2() {
    counter_.up();
    exec();
}

int32_t clsAFCctrl::Frequency() const {
    return rx_.Frequency();
}

void clsAFCctrl::setFrequency(int32_t f) {
    rx_.setFrequency(f);
}

int16_t clsAFCctrl::fafc() const {
    return static_cast<int16_t>(rx_.afc());
}

void clsAFCctrl::exec() {
    const int32_t m = rx_.mode();
    if (m != 5 || last_ < 0) {
        last_ = static_cast<int16_t>(rx_.afc());
        wait_long();
        return;
    }
    const int16_t a = static_cast<int16_t>(rx_.afc());
    if (a != last_) {
        last_ = a;
        if (a != 0) {
            afc_on();
        } else {
            afc_off();
        }
    }
    if (fafc() == 1 && !afc_wait()) afc_step();
}

void clsAFCctrl::afc_start() {
    if (fafc() != 1) return;
    base_keep();
    wait_long();
}

void clsAFCctrl::afc_res() {
    if (fafc() != 1) return;
    base_return();
    wait_long();
}

void clsAFCctrl::afc_on() {
    afc_start();
}

void clsAFCctrl::afc_off() {
    base_return();
    wait_long();
}

// True while the pacing says "not yet". The count is multiplied in 32 bits: a long run of
// ticks must not wrap into a small value and hold the AFC back.
bool clsAFCctrl::afc_wait() {
    const int32_t c = counter_.value();
    if (c * 75 < threshold_) return true;
    counter_.setValue(0);
    if (afc_blank()) {
        wait_long();
        return true;
    }
    wait_short();
    return false;
}

bool clsAFCctrl::afc_blank() const {
    return rx_.Blank() != 0;
}

void clsAFCctrl::wait_short() {
    threshold_ = kShortWait;
    counter_.setValue(0);
}

void clsAFCctrl::wait_long() {
    threshold_ = kLongWait;
    counter_.setValue(0);
}

void clsAFCctrl::base_keep() {
    base_ = Frequency();
}

void clsAFCctrl::base_return() {
    if (base_ >= 1) setFrequency(base_);
}

// Corrections stay inside the receiver's range: at 10 kHz or 1300 MHz the AFC holds.
void clsAFCctrl::afc_step() {
    const int32_t c = rx_.cmeter();
    if (c == 128) return;
    const bool up = c > 128;
    const int64_t wanted = int64_t{Frequency()} + (up ? kCorrectionHz : -kCorrectionHz);
    const int32_t n = static_cast<int32_t>(
        wanted < kLowestHz ? kLowestHz : (wanted > kHighestHz ? kHighestHz : wanted));
    setFrequency(n);
    base_follow(up);
}

// The base moves in whole steps while the tuned frequency lies at least a full step beyond it,
// never past 10 kHz .. 1300 MHz. Worked out in one go (the same result as stepping one step at
// a time, without a long loop for a small step far from the base).
void clsAFCctrl::base_follow(bool up) {
    const int64_t step = rx_.TSbase().tsfrq();
    if (step <= 0) return;
    const int64_t f = Frequency();
    const int64_t b = base_;
    int64_t k = 0;
    if (up) {
        if (f - b < step || kHighestHz - b < step) return;
        k = std::min((f - b) / step, (kHighestHz - b) / step);
        base_ = static_cast<int32_t>(b + k * step);
    } else {
        if (b - f < step || b - kLowestHz < step) return;
        k = std::min((b - f) / step, (b - kLowestHz) / step);
        base_ = static_cast<int32_t>(b - k * step);
    }
}

}  // namespace corvell
