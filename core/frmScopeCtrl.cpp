#include "core/frmScopeCtrl.h"

#include <cmath>

#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/frmTesselbase.h"

namespace corvell {

frmScopeCtrl::frmScopeCtrl(frmTesselbase& receiver) : rx_(receiver) {}

void frmScopeCtrl::Load() {
    clsScopeDATA& data = rx_.ScopeDATA();
    clsScopeSTAT& stat = rx_.ScopeSTAT();
    clsProfileIO& p = ProgramProfile();
    p.setSection("SCOPE");
    auto load = [&](const char* key, int16_t fallback) {
        int16_t v = fallback;
        p.loadData(key, v, fallback);
        return v;
    };
    data.setMode(load("SCOPEMODE", 0));
    stat.setRangeSelectNo(load("SCOPESPAN", 3));
    stat.setTsLimit(load("SCOPESLIMIT", 0));
    stat.setTsHalf(load("SCOPEHALF", 0));
    stat.setWFMmoni(load("SCOPEWFM", 0));
}

void frmScopeCtrl::Unload() {
    clsScopeDATA& data = rx_.ScopeDATA();
    clsScopeSTAT& stat = rx_.ScopeSTAT();
    clsProfileIO& p = ProgramProfile();
    p.setSection("SCOPE");
    p.saveData("SCOPEMODE", data.mode());
    p.saveData("SCOPESPAN", stat.RangeSelectNo());
    p.saveData("SCOPESLIMIT", stat.TsLimit());
    p.saveData("SCOPEHALF", stat.TsHalf());
    p.saveData("SCOPEWFM", stat.WFMmoni());
}

void frmScopeCtrl::Init() {
    data_ = &rx_.ScopeDATA();
    stat_ = &rx_.ScopeSTAT();
    sweepTimer_.setCounter(0);
}

void frmScopeCtrl::Task_exec() {
    if (!data_) Init();
    SendCheck();
    if (rx_.Power() == 0 || rx_.Error() != 0) return;
    const int32_t bwidth = data_->bwidth();
    const int32_t n = bwidth < kMaxPollPerTick ? bwidth : kMaxPollPerTick;
    if (data_->mode() == kScopeOff) return;
    int32_t h = static_cast<int32_t>(std::nearbyint(bwidth / 2.0));
    if (h < 1) h = 1;
    const int32_t low = clsScopeDATA::kCentre - h;
    const int32_t high = clsScopeDATA::kCentre + h;
    // The cursor visits low .. high + 1 and never passes the buffer's last index.
    constexpr int32_t kLast = clsScopeDATA::kPoints - 1;
    const QuillonApi& rs = Quillon();
    int32_t polled = 0;
    do {
        if (cursor_ < low || cursor_ > high || cursor_ >= kLast) {
            cursor_ = low;
        } else {
            ++cursor_;
        }
        int16_t v = static_cast<int16_t>(rs.RsGetScopeBuff(cursor_));
        if (data_->mode() == kScopeSingle) {
            const int16_t stored = data_->SCOPE_buff_WoFlag(cursor_);
            const bool centre = cursor_ == clsScopeDATA::kCentre;
            if ((centre || cursor_ == clsScopeDATA::kCentre + 1) &&
                sweepTime_ > sweepTimer_.counter() + 100) {
                v = stored;
            }
            if (centre && v == 1 && sweepTimer_.counter() == 0) v = stored;
            if (v == 0) v = stored != 0 ? stored : 1;
        }
        data_->setSCOPE_buff(cursor_, v);
        ++polled;
    } while (polled < n);
}

bool frmScopeCtrl::SendCheck() {
    if (!data_) Init();
    clsScopeDATA& data = *data_;
    clsScopeSTAT& stat = *stat_;

    const int32_t f = rx_.Frequency();
    if (f != lastFrequency_) {
        lastFrequency_ = f;
        if (stat.pause() != 0) ResendReq = 1;
    }

    int16_t s = kStateOff;
    scanWait_ = false;
    if (data.mode() != kScopeOff && rx_.Blank() == 0) {
        s = kStateContinuous;
        data.setMode(kScopeContinuous);
        const int32_t m = rx_.mode();
        if (m == 0 || m == 1 || m == 3) {
            s = kStateSingle;
            data.setMode(kScopeSingle);
            ScanCtrlRef* scan = rx_.ScanObj();
            if (scan && scan->pause() == 0 && scan->scanning() != 0) {
                if (scan->status() != 16) {
                    s = kStateScanOff;
                } else {
                    scanWait_ = true;
                }
            }
        }
        if (stat.pause() != 0) s = kStatePaused;
    }

    bool changed = false;
    if (s != state_) {
        state_ = s;
        changed = true;
    }
    if (stat.pause() == 0 && ResendReq != 0) {
        ResendReq = 0;
        changed = true;
    }

    // The step and the WFM flag count too: a step change alone must reach the receiver, or a
    // click on the scope would tune by the old spacing.
    const int16_t wfm = rx_.mode() == kModeWFM ? stat.WFMmoni() : 0;
    const int16_t link = static_cast<int16_t>(rx_.LinkStat());
    const bool paramChanged = data.speed() != sentSpeed_ || data.bwidth() != sentBwidth_ ||
                              stat.TsLimit() != sentTsLimit_ || stat.TsHalf() != sentTsHalf_ ||
                              data.ts() != sentTs_ || wfm != sentWfm_ ||
                              (link == 6 && sentLink_ != 6);
    if (paramChanged) {
        sentTs_ = data.ts();
        sentSpeed_ = data.speed();
        sentBwidth_ = static_cast<int16_t>(data.bwidth());
        sentWfm_ = wfm;
        sentTsLimit_ = stat.TsLimit();
        sentTsHalf_ = stat.TsHalf();
        sentLink_ = link;
        stat.setPause(0);
        changed = true;
    }

    bool sendAgain = false;
    if (sweepTimer_.counter() == 0) {
        const int32_t a = scanWait_ ? 15 : 5;
        const int32_t least = scanWait_ ? 250 : 150;
        int32_t t = (int32_t{sentSpeed_} + a) * int32_t{sentBwidth_};
        if (t < least) t = least;
        sweepTime_ = t;
        sweepTimer_.setCounter(t);
        if (state_ == kStateSingle) sendAgain = true;
    }

    if (changed) {
        data.buff_clear();
        send();
    } else if (sendAgain) {
        send();
    }
    return changed;
}

void frmScopeCtrl::send() {
    if (state_ == kStateScanOff) {
        rx_.SendSCOPEOFF();
        return;
    }
    stat_->setCenterFreq(rx_.Blank() != 0 ? 0 : rx_.Frequency());
    rx_.SendOneShotAfMute(state_ == kStateSingle ? sweepTimer_.counter() + 100 : 0);
    rx_.SendSCOPE();
}

}  // namespace corvell
