// Settings, accessors, condition texts and program channels of the scan controller.
#include <algorithm>

#include "core/ChannelRowText.h"
#include "core/ReceiverCodes.h"
#include "core/clsMchDATA.h"
#include "scan/ScanReceiver.h"
#include "scan/TesselbaseScanReceiver.h"
#include "scan/frmSCANctrl.h"

namespace corvell {

namespace {

int16_t clampTo(int16_t lo, int16_t hi, int16_t v) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace

frmSCANctrl::frmSCANctrl(frmTesselbase& rx, clsMEMORY& memory)
    : ownRx_(std::make_unique<TesselbaseScanReceiver>(rx)), rx_(*ownRx_), memory_(memory) {}

frmSCANctrl::frmSCANctrl(ScanReceiver& rx, clsMEMORY& memory) : rx_(rx), memory_(memory) {}

frmSCANctrl::~frmSCANctrl() = default;

void frmSCANctrl::Init() {
    scanningFlag_ = 0;
    pass_ = 0;
    dir_ = 0;
    continue_ = 0;
    busyStop_ = 0;
    slow1time_ = 0;
    pause_ = 0;
    loadData();
}

void frmSCANctrl::Unload() {
    saveData();
}

// ---- accessors ----

// Program channel 0 does not exist, so the stored number stays on a real channel.
void frmSCANctrl::setProgramno(int16_t v) {
    programno_ = clampTo(1, kPchCount, v);
}

void frmSCANctrl::setDelaytime(int16_t v) {
    if (v == delaytime_) return;
    delaytime_ = v;
    DelayStart();
}

void frmSCANctrl::setMemotag(int16_t v) {
    memotag_ = clampTo(0, 1, v);
}
void frmSCANctrl::setMemoskip(int16_t v) {
    memoskip_ = clampTo(0, 1, v);
}
void frmSCANctrl::setMemomode(int16_t v) {
    memomode_ = clampTo(0, 1, v);
}

int16_t frmSCANctrl::memomodedata() const {
    int16_t bits = 0;
    for (size_t i = 0; i < modeFlags_.size(); ++i) {
        if (modeFlags_[i] != 0) bits = static_cast<int16_t>(bits | (1 << i));
    }
    return bits;
}

void frmSCANctrl::setMemomodedata(int16_t bits) {
    for (size_t i = 0; i < modeFlags_.size(); ++i) modeFlags_[i] = (bits >> i) & 1;
}

// Bank 0 names no bank, so the auto-write bank stays on one of the 20 that exist.
void frmSCANctrl::setAutobank(int16_t v) {
    autobank_ = clampTo(1, 20, v);
}

void frmSCANctrl::setSpeed(int16_t v) {
    speed_ = clampTo(0, 100, v);
}

int16_t frmSCANctrl::speedbase() const {
    return (kind_ == kScanMemory || scanning() == 0) ? speedbaseM_ : speedbaseP_;
}

void frmSCANctrl::setSlow1time(int16_t v) {
    slow1time_ = clampTo(0, 1, v);
}

void frmSCANctrl::setDir(int16_t v) {
    dir_ = clampTo(0, 1, v);
}

int16_t frmSCANctrl::continus_reset() {
    const int16_t was = continue_;
    continue_ = 0;
    return was;
}

void frmSCANctrl::setPause(int16_t v) {
    if (v == pause_) return;
    pause_ = v;
    rx_.SendSCAN();
    rx_.SendFreq();
}

std::string frmSCANctrl::condition(int16_t kind) const {
    if (kind == 0) {
        if (scanningFlag_ == 1 && pause_ == 1) return "Pause";
        if (scanningFlag_ == 1 && busyStop_ == 1) return "Busy Stop";
        return "";
    }
    if (kind == 1 && scanningFlag_ == 1) {
        switch (kind_) {
            case kScanProgram:
                return "Program SCAN";
            case kScanAutoWrite:
                return "Auto MW SCAN";
            case kScanMemory:
                return "Memory SCAN";
            default:
                return "";
        }
    }
    return "";
}

// ---- program channels ----

// Rows are numbered 1..20; a number outside is brought onto the nearest row.
clsMchDATA& frmSCANctrl::pchData(int16_t i) {
    const size_t index = static_cast<size_t>(clampTo(1, kPchCount, i) - 1);
    if (!pch_[index]) {
        pch_[index] = std::make_unique<clsMchDATA>();
        DefaultBlank(static_cast<int16_t>(index + 1));
    }
    return *pch_[index];
}

void frmSCANctrl::Default(int16_t row) {
    clsMchDATA& rec = pchData(row);
    rec.setName1("");
    rec.setLngFreq(144000000);
    rec.setLngFreqHigh(146000000);
    rec.setIntMode(5);
    rec.setIntFilter(kFilter15k);
    rec.setTsname("20kHz");
    rec.setIntAtt(0);
}

void frmSCANctrl::DefaultBlank(int16_t row) {
    Default(row);
    clsMchDATA& rec = pchData(row);
    rec.setLngFreq(0);
    rec.setLngFreqHigh(0);
}

}  // namespace corvell
