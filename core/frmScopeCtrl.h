// The hidden band-scope sweep controller: decides the scope state from the receiver and the
// scan, sends the scope command when the state or a sweep parameter changes (and, for single
// sweeps, again after each sweep time), and each heartbeat tick copies up to 100 received levels
// from the link into the level buffer. Keeps the scope settings of section "SCOPE".
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

#include "core/clsTick.h"

namespace corvell {

class frmTesselbase;
class clsScopeDATA;
class clsScopeSTAT;

class frmScopeCtrl {
  public:
    static constexpr int16_t kStateOff = 0;
    static constexpr int16_t kStateContinuous = 1;
    static constexpr int16_t kStateSingle = 2;
    static constexpr int16_t kStatePaused = 4;
    static constexpr int16_t kStateScanOff = 5;
    static constexpr int kMaxPollPerTick = 100;

    // Non-zero: clear the buffer and send again at the next SendCheck once not paused.
    int16_t ResendReq = 0;

    explicit frmScopeCtrl(frmTesselbase& receiver);

    // The window's load and unload: the five "SCOPE" keys into and out of the scope objects.
    void Load();
    void Unload();
    // Takes the scope objects from the receiver object and arms the sweep timer with 0 ms.
    void Init();
    void Task_exec();
    bool SendCheck();
    bool StatModeSSB() const { return state_ == kStateSingle; }
    bool StatMode() const { return state_ == kStateContinuous || state_ == kStateSingle; }
    int16_t ActMode() const { return state_; }

    // State, for tests and the scope windows.
    int32_t SweepTime() const { return sweepTime_; }
    int32_t PollCursor() const { return cursor_; }

  private:
    void send();

    frmTesselbase& rx_;
    clsScopeDATA* data_ = nullptr;
    clsScopeSTAT* stat_ = nullptr;

    int16_t sentTsLimit_ = 0;
    int16_t sentTsHalf_ = 0;
    int16_t sentWfm_ = 0;
    int32_t sentTs_ = 0;
    int16_t sentSpeed_ = 0;
    int16_t sentBwidth_ = 0;
    int16_t sentLink_ = 0;
    int16_t state_ = kStateOff;
    bool scanWait_ = false;
    clsTick sweepTimer_;
    int32_t sweepTime_ = 0;  // 32 bits: (speed + 15) x 255 points does not fit in 16
    int32_t cursor_ = 0;
    int32_t lastFrequency_ = 0;
};

}  // namespace corvell
