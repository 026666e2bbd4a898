// The scan engine: entries, start and stop, the step dispatcher, the status check, the found
// action and the restart check.
#include <utility>

#include "core/ReceiverCodes.h"
#include "core/clsMchDATA.h"
#include "memory/clsMEMORY.h"
#include "scan/ScanReceiver.h"
#include "scan/frmSCANctrl.h"

namespace corvell {

namespace {}  // namespace

// ---- entries ----

// A step is never waited for: the program has one thread, so a step still marked running cannot
// end while its caller waits. The status it left is evaluated by the next tick instead.
void frmSCANctrl::Task_exec() {
    if (rx_.Power() == 0 || rx_.Error() != 0) return;
    SCAN_exec();
}

void frmSCANctrl::SCAN_exec() {
    if (stepCount_ != 0) return;
    stepDispatch();
}

void frmSCANctrl::setStatus(int16_t code) {
    status_ = code;
    if (busyStop_ != 1) SCAN_exec();
}

void frmSCANctrl::DelayStart() {
    delayTimer_.setCounter(DelayMs(delaytime_));
}

void frmSCANctrl::armWatchTimers() {
    noNewsTimer_.setCounter(kNoNewsMs);
    restartTimer_.setCounter(kNoNewsMs);
}

// ---- start and stop ----

bool frmSCANctrl::scan_start(int16_t kind, int16_t program) {
    if (rx_.LinkStat() != kLinkStatLinked) return false;
    if (kind != kind_) {
        continue_ = 0;
        kind_ = kind;
    }
    if (kind == kScanAutoWrite) memory_.setActiveBank(autoBankIndex());
    scanningFlag_ = 1;
    slow1time_ = 1;

    bool started = false;
    if (kind == kScanProgram || kind == kScanAutoWrite) {
        started = programStart(program == kProgramTrue ? programno_ : program);
    } else if (kind == kScanMemory) {
        started = memoryStart();
    }
    busyStop_ = 0;
    pass_ = 0;

    if (started) {
        status_ = kScanStatusRunning;
        rx_.SendFreq();
        rx_.SendSCAN();
        setPause(0);
    } else {
        scanningFlag_ = 0;
        continue_ = 0;
    }
    return started;
}

bool frmSCANctrl::programStart(int16_t n) {
    // Only program channels 1..20 exist; a higher number scans the last one.
    if (n < 1) return false;
    if (n > kPchCount) n = kPchCount;
    if (programno_ != n) {
        programno_ = n;
        continue_ = 0;
    }
    if (continue_ != 0) return nextStep();

    dir_ = 1;
    continue_ = 1;
    if (!autoBankCheck()) return false;
    if (!programSetup(n)) return false;
    rx_.clearTsAlign();
    rx_.afc_res();
    armWatchTimers();
    return true;
}

bool frmSCANctrl::programSetup(int16_t row) {
    const clsMchDATA& rec = pchData(row);
    int32_t low = rec.lngFreq();
    int32_t high = rec.lngFreqHigh();
    if (low > high) std::swap(low, high);
    const int64_t span = int64_t{high} - low;
    if (!(high > low && low > 0 && high > 0 && span >= rec.tsfrq())) return false;

    lowEdge_ = low;
    highEdge_ = high;
    rx_.setFrequency(low);
    rx_.setTsname(rec.tsname());
    rx_.setModeText(rec.ModeText());
    rx_.setFilterText(rec.FilterText());
    rx_.setAtt(rec.intAtt());
    return true;
}

bool frmSCANctrl::memoryStart() {
    if (continue_ == 0) {
        dir_ = 1;
        continue_ = 1;
    }
    return nextStep();
}

bool frmSCANctrl::scan_stop() {
    busyStop_ = 0;
    const bool wasScanning = scanningFlag_ == 1;
    if (wasScanning) {
        scanningFlag_ = 0;
        status_ = kScanStatusIdle;
        rx_.SendSCAN();
        rx_.SendFreq();
    }
    rx_.SetDispReq();
    return wasScanning;
}

// ---- one step ----

void frmSCANctrl::stepDispatch() {
    ++stepCount_;
    if (scanningFlag_ == 1) {
        if (rx_.LinkStat() != kLinkStatLinked) {
            scan_stop();
        } else if (pause_ != 0) {
            // paused: the receiver holds the frequency
        } else if (busyStop_ == 0) {
            statusCheck();
        } else if (restartCheck()) {
            if (!nextStep()) rscstopb();
        }
    }
    --stepCount_;
}

void frmSCANctrl::statusCheck() {
    bool moveOn = false;
    if (noNewsTimer_.counter() == 0 || pass_ != 0) {
        moveOn = true;
    } else {
        switch (status_) {
            case kScanStatusMoveOn:
                moveOn = true;
                break;
            case kScanStatusHold:
                moveOn = duplicateCheck();
                break;
            case kScanStatusSignal:
                if (duplicateCheck()) {
                    moveOn = true;
                } else {
                    foundAction();
                }
                break;
            default:
                break;
        }
    }
    if (moveOn && !nextStep()) rscstopb();
}

void frmSCANctrl::foundAction() {
    switch (delaytype_) {
        case 0:
        case 1:
            busyStop_ = 1;
            DelayStart();
            break;
        case 2:
            autoMemoryWrite();
            rscstop();
            break;
        default:
            break;
    }
    rx_.SetDispReq();
}

// True to move on, false to keep waiting on the found signal.
bool frmSCANctrl::restartCheck() {
    setSlow1time(1);
    if (status_ != kScanStatusSignal) {
        if (autoMemoryWrite()) {
            pass_ = 1;
        } else {
            rscstop();
        }
    }
    if (pass_ != 0) {
        busyStop_ = 0;
        return true;
    }

    const bool present = rx_.busy() == 1 && (rx_.vsc() == 0 || rx_.afout() != 0);
    if (present) armWatchTimers();

    const int32_t left = restartTimer_.counter();
    bool wait;
    switch (restartdelay_) {
        case 0:
            wait = left >= 2000;
            break;
        case 1:
            wait = left >= 1000;
            break;
        default:
            wait = left > 0;
            break;
    }
    if (delaytype_ == 1 && delayTimer_.counter() == 0) wait = false;
    if (wait) return false;

    if (!autoMemoryWrite()) rscstop();
    pass_ = 1;
    return true;
}

}  // namespace corvell
