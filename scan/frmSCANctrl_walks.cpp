// The scan engine's moves: the next step with the memory and program walks, the auto-write bank
// check, the duplicate check and the automatic memory write.
#include "core/ReceiverCodes.h"
#include "core/clsMchDATA.h"
#include "memory/clsMEMORY.h"
#include "scan/ScanReceiver.h"
#include "scan/frmSCANctrl.h"

namespace corvell {

namespace {

// Index of a mode code's flag among LSB USB CW AM FM WFM; -1 for a code that has none.
int modeFlagIndex(int16_t mode) {
    switch (mode) {
        case kModeLSB:
            return 0;
        case kModeUSB:
            return 1;
        case kModeCW:
            return 2;
        case kModeAM:
            return 3;
        case kModeFM:
            return 4;
        case kModeWFM:
            return 5;
        default:
            return -1;
    }
}

std::string trimmed(const std::string& s) {
    const size_t begin = s.find_first_not_of(' ');
    if (begin == std::string::npos) return "";
    const size_t end = s.find_last_not_of(' ');
    return s.substr(begin, end - begin + 1);
}

}  // namespace

bool frmSCANctrl::nextStep() {
    const bool passed = pass_ != 0;
    pass_ = 0;
    armWatchTimers();
    continue_ = 1;
    busyStop_ = 0;

    bool found = false;
    if (kind_ == kScanMemory) {
        found = memoryNext();
    } else if (kind_ == kScanProgram || kind_ == kScanAutoWrite) {
        found = programNext();
    }
    armWatchTimers();

    if (found) {
        status_ = 2;
        if (passed) {
            // Moving on past a signal: keep the audio quiet while the receiver retunes.
            const int32_t gain = rx_.afgain();
            rx_.setAfgain(0);
            rx_.SendSCAN();
            rx_.setAfgain(gain);
        } else {
            rx_.SendSCAN();
        }
        rx_.afc_start();
    } else {
        continue_ = 0;
    }
    rx_.SetDispReq();
    return found;
}

bool frmSCANctrl::acceptChannel(const clsMchDATA& rec) const {
    if (rec.lngFreq() == 0) return false;
    if (memotag_ == 1 && rec.intTag() == 0) return false;
    if (memoskip_ == 1 && rec.intSkip() == 1) return false;
    if (memomode_ == 1) {
        const int flag = modeFlagIndex(rec.intMode());
        if (flag < 0 || modeFlags_[static_cast<size_t>(flag)] != 1) return false;
    }
    return true;
}

bool frmSCANctrl::memoryNext() {
    const int16_t start = memory_.ActiveCh();
    for (;;) {
        const int16_t ch = dir_ == 1 ? memory_.ChUp() : memory_.ChDown();
        if (ch == start) return false;
        const clsMchDATA& rec = memory_.chData(memory_.ActiveBank(), ch);
        if (!acceptChannel(rec)) continue;
        rx_.automodeOff();
        rx_.SetScanRxData(rec.lngFreq(), rec.ModeText(), rec.FilterText(), rec.intAtt(),
                          rec.intTsql(), trimmed(rec.tsname()));
        return true;
    }
}

bool frmSCANctrl::programNext() {
    rx_.afc_res();
    const int32_t f0 = rx_.Frequency();
    if (!autoBankCheck()) return false;

    int32_t f;
    if (dir_ == 1) {
        f = rx_.frq_upcalc();
        if (f > highEdge_ || f < lowEdge_) {
            f = lowEdge_;
            slow1time_ = 1;
        }
    } else {
        f = rx_.frq_downcalc();
        if (f > highEdge_ || f < lowEdge_) {
            f = highEdge_;
            slow1time_ = 1;
        }
    }
    rx_.clearTsAlign();
    if (f == f0) return false;
    rx_.SetScanRxData(f, rx_.ModeText(), rx_.FilterText(), rx_.att(), rx_.ctcss(),
                      trimmed(rx_.tsname()));
    return true;
}

bool frmSCANctrl::autoBankCheck() {
    if (kind_ != kScanAutoWrite) return true;
    const int16_t bank = autoBankIndex();
    if (memory_.ActiveBank() != bank) memory_.setActiveBank(bank);
    const int16_t count = memory_.maxchnum(bank);
    for (int16_t ch = 0; ch < count; ++ch) {
        if (memory_.chk_blank(bank, ch)) {
            memory_.setActiveCh(ch);
            return true;
        }
    }
    memory_.setActiveCh(static_cast<int16_t>(count - 1));
    return false;
}

bool frmSCANctrl::duplicateCheck() {
    if (kind_ != kScanAutoWrite) return false;
    const int16_t bank = autoBankIndex();
    const int32_t block = rx_.Frequency() / 100;
    const int16_t count = memory_.maxchnum(bank);
    for (int16_t ch = 0; ch < count; ++ch) {
        if (memory_.chData(bank, ch).lngFreq() / 100 == block) return true;
    }
    return false;
}

bool frmSCANctrl::autoMemoryWrite() {
    const bool ok = autoBankCheck();
    if (ok && kind_ == kScanAutoWrite) {
        clsMchDATA& rec = memory_.chData(memory_.ActiveBank(), memory_.ActiveCh());
        memory_.DefaultBlank(rec);
        rec.setLngFreq(rx_.Frequency());
        rec.setModeText(rx_.ModeText());
        rec.setFilterText(rx_.FilterText());
        rec.setTsname(trimmed(rx_.tsname()));
        rec.setIntAtt(static_cast<int16_t>(rx_.att()));
        rec.setIntTag(0);
        rec.setIntSkip(0);
        rec.setIntTsql(static_cast<int16_t>(rx_.ctcss()));
        memory_.Change();
        memory_.Redraw();
    }
    return ok;
}

}  // namespace corvell
