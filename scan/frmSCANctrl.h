// The scan controller: the program-wide object that keeps the scan settings and the 20 program
// channels (section "SCAN"), and runs the scan engine that reacts to the receiver's scan status
// and its own timers (program, automatic memory-write and memory scans).
// Thread contract: user-interface thread only; the step counter guards against re-entry.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>

#include "core/ReceiverCodes.h"
#include "core/clsTick.h"

namespace corvell {

class ScanReceiver;
class frmTesselbase;
class clsMEMORY;
class clsMchDATA;

class frmSCANctrl {
  public:
    static constexpr int16_t kPchCount = 20;
    static constexpr int32_t kNoNewsMs = 2000;

    // The engine works on the program's receiver object and this memory; both outlive the
    // controller.
    frmSCANctrl(frmTesselbase& rx, clsMEMORY& memory);
    // The same on any receiver that offers the engine's calls (the engine measured alone).
    frmSCANctrl(ScanReceiver& rx, clsMEMORY& memory);
    ~frmSCANctrl();
    frmSCANctrl(const frmSCANctrl&) = delete;
    frmSCANctrl& operator=(const frmSCANctrl&) = delete;

    // ---- life and persistence ----
    void Init();
    void loadData();
    // Writes the section in one go; a write that fails is told on stderr, and the settings
    // stay as they are in memory.
    void saveData();
    // The window's unload: writes the section as saveData does.
    void Unload();

    // ---- engine entries ----
    void Task_exec();
    int16_t status() const { return status_; }
    void setStatus(int16_t code);
    void SCAN_exec();
    void DelayStart();
    // `program` is kProgramTrue (-1) for the stored programno, else a program channel number.
    static constexpr int16_t kProgramTrue = -1;
    bool scan_start(int16_t kind, int16_t program);
    // A C++ `true` would arrive as 1 and scan program channel 1, not the stored one.
    template <class B>
    requires std::same_as<B, bool>
    bool scan_start(int16_t kind, B program) = delete;
    bool scan_stop();
    bool rscstop() { return scan_stop(); }
    bool scan_stopb() { return scan_stop(); }
    bool rscstopb() { return scan_stop(); }

    // ---- state read by panels and the receiver object ----
    int16_t scanning() const { return (scanningFlag_ != 0 && kind_ != kScanNone) ? 1 : 0; }
    int16_t scantype() const { return scanningFlag_ == 1 ? kind_ : 0; }
    int16_t speedbase() const;
    int16_t slow1time() const { return slow1time_; }
    void setSlow1time(int16_t v);
    void setDir(int16_t v);
    void pass() { pass_ = 1; }
    int16_t continus_reset();
    int16_t pause() const { return pause_; }
    void setPause(int16_t v);
    std::string condition(int16_t kind) const;

    // ---- settings ----
    int16_t programno() const { return programno_; }
    void setProgramno(int16_t v);
    int16_t delaytype() const { return delaytype_; }
    void setDelaytype(int16_t v) { delaytype_ = v; }
    int16_t delaytime() const { return delaytime_; }
    void setDelaytime(int16_t v);
    int16_t restartdelay() const { return restartdelay_; }
    void setRestartdelay(int16_t v) { restartdelay_ = v; }
    int16_t memotag() const { return memotag_; }
    void setMemotag(int16_t v);
    int16_t memoskip() const { return memoskip_; }
    void setMemoskip(int16_t v);
    int16_t memomode() const { return memomode_; }
    void setMemomode(int16_t v);
    int16_t memomodedata() const;
    void setMemomodedata(int16_t bits);
    int16_t autobank() const { return autobank_; }
    void setAutobank(int16_t v);
    int16_t speed() const { return speed_; }
    void setSpeed(int16_t v);

    // ---- program channels ----
    clsMchDATA& pchData(int16_t i);
    void DefaultBlank(int16_t row);
    void Default(int16_t row);
    int16_t PchCount() const { return kPchCount; }

    // ---- engine state exposed for the scan pad and tests ----
    int16_t dir() const { return dir_; }
    int16_t busyStop() const { return busyStop_; }
    int16_t passFlag() const { return pass_; }
    int16_t continueFlag() const { return continue_; }
    int32_t lowEdge() const { return lowEdge_; }
    int32_t highEdge() const { return highEdge_; }
    // Remaining milliseconds of the delay timer.
    int32_t delayRemaining() { return delayTimer_.counter(); }

    // Delay time of a found signal: delaytime x 290 + 1000 ms, worked out in 32 bits.
    static int32_t DelayMs(int16_t delaytime) { return int32_t{delaytime} * 290 + 1000; }

  private:
    // One number of section "SCAN": its key, where it lives, its default and its limits.
    struct SettingKey {
        const char* key;
        int16_t& (*field)(frmSCANctrl&);
        int16_t def;
        int16_t lo;
        int16_t hi;
    };
    static const SettingKey kSettingKeys[];

    // engine (frmSCANctrl_engine.cpp)
    void stepDispatch();
    void statusCheck();
    void foundAction();
    bool restartCheck();
    void armWatchTimers();
    bool programStart(int16_t n);
    bool programSetup(int16_t row);
    bool memoryStart();
    // walks (frmSCANctrl_walks.cpp)
    bool nextStep();
    bool memoryNext();
    bool programNext();
    bool acceptChannel(const clsMchDATA& rec) const;
    bool autoBankCheck();
    bool duplicateCheck();
    bool autoMemoryWrite();
    int16_t autoBankIndex() const { return static_cast<int16_t>(autobank_ - 1); }

    std::unique_ptr<ScanReceiver> ownRx_;  // set when made on the receiver object
    ScanReceiver& rx_;
    clsMEMORY& memory_;

    // settings
    int16_t programno_ = 1;
    int16_t memotag_ = 0;
    int16_t memoskip_ = 0;
    int16_t memomode_ = 0;
    std::array<int16_t, 6> modeFlags_{1, 1, 1, 1, 1, 1};  // LSB USB CW AM FM WFM
    int16_t delaytype_ = 0;
    int16_t delaytime_ = 0;
    int16_t restartdelay_ = 2;
    int16_t speed_ = 50;
    int16_t autobank_ = 20;
    int16_t speedbaseP_ = 25;
    int16_t speedbaseM_ = 25;
    std::array<std::unique_ptr<clsMchDATA>, kPchCount> pch_;

    // run-time state
    int16_t status_ = 0;
    int16_t stepCount_ = 0;
    int16_t kind_ = 0;
    int16_t scanningFlag_ = 0;
    int16_t pause_ = 0;
    int16_t pass_ = 0;
    int16_t dir_ = 0;
    int16_t continue_ = 0;
    int16_t busyStop_ = 0;
    int16_t slow1time_ = 0;
    int32_t lowEdge_ = 0;
    int32_t highEdge_ = 0;
    clsTick noNewsTimer_;
    clsTick restartTimer_;
    clsTick delayTimer_;
};

}  // namespace corvell
