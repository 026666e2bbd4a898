#include "core/frmTesselbase.h"

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/BandEdgeTables.h"
#include "core/LocaleProcs.h"
#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/ReceiverSettingsPart.h"
#include "core/clsAFCctrl.h"
#include "core/clsAUTOMODE.h"
#include "core/clsDSPdata.h"
#include "core/clsDtmfOption.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "core/frmScopeCtrl.h"

namespace corvell {
namespace {

frmTesselbase* g_receiver = nullptr;

}  // namespace

frmTesselbase* ProgramReceiver() {
    return g_receiver;
}

void SetProgramReceiver(frmTesselbase* receiver) {
    g_receiver = receiver;
}

frmTesselbase::frmTesselbase(QObject* parent) : QObject(parent) {
    connect(&Timer1_, &QTimer::timeout, this, &frmTesselbase::Timer1_Timer);
}

frmTesselbase::~frmTesselbase() {
    Timer1_.stop();
    if (g_receiver == this) g_receiver = nullptr;
}

void frmTesselbase::Load() {
    if (loaded_) return;
    loaded_ = true;
    InitBandEdges(EDGES(), countryVer_);
    scopeData_ = std::make_unique<clsScopeDATA>();
    scopeStat_ = std::make_unique<clsScopeSTAT>(*this);
    scopeStat_->Init();
    scopeCtrl_ = std::make_unique<frmScopeCtrl>(*this);
    scopeCtrl_->Load();
    scopeCtrl_->Init();
    autoMode_ = std::make_unique<clsAUTOMODE>();
    optionCache_ = 255;
    japaneseLocale_ = IsJapaneseLocale();
    versionCode_ = 255;
    dspData_ = std::make_unique<clsDSPdata>(*this);
    afcCtrl_ = std::make_unique<clsAFCctrl>(*this);
    dtmfOption_ = std::make_unique<clsDtmfOption>();
    loadData();
    setTimer1Interval(kFirstTimerMs);
    // Without an event loop (a test driving Timer1_Timer itself) the timer is never started.
    if (QCoreApplication::instance()) Timer1_.start();
}

void frmTesselbase::Unload() {
    if (!loaded_ || unloaded_) return;
    unloaded_ = true;
    saveData();
    PowerOff();
    Timer1_.stop();
    scopeCtrl_->Unload();
    scopeCtrl_.reset();
    scopeData_.reset();
    scopeStat_.reset();
    autoMode_.reset();  // writes its rows
}

void frmTesselbase::Abandon() {
    if (!loaded_ || unloaded_) return;
    unloaded_ = true;
    Timer1_.stop();
    if (autoMode_) autoMode_->dropUnsaved();
}

void frmTesselbase::setWatchPeriodMs(int ms) {
    if (ms <= 0) return;
    watchPeriodMs_ = ms;
    if (watching_) setTimer1Interval(ms);
}

int32_t frmTesselbase::linkHoldMs() const {
    return std::min<int32_t>(kLinkWaitMs, watchPeriodMs_ / 2);
}

void frmTesselbase::setTimer1Interval(int ms) {
    timer1Interval_ = ms;
    Timer1_.setInterval(ms);
}

objEDGES& frmTesselbase::EDGES() {
    return ProgramEdges();
}

clsAUTOMODE& frmTesselbase::AutoMode() {
    if (!autoMode_) autoMode_ = std::make_unique<clsAUTOMODE>();
    return *autoMode_;
}

clsScopeDATA& frmTesselbase::ScopeDATA() {
    if (!scopeData_) scopeData_ = std::make_unique<clsScopeDATA>();
    return *scopeData_;
}

clsScopeSTAT& frmTesselbase::ScopeSTAT() {
    if (!scopeStat_) scopeStat_ = std::make_unique<clsScopeSTAT>(*this);
    return *scopeStat_;
}

frmScopeCtrl& frmTesselbase::ScopeCtrl() {
    if (!scopeCtrl_) {
        scopeCtrl_ = std::make_unique<frmScopeCtrl>(*this);
        scopeCtrl_->Init();
    }
    return *scopeCtrl_;
}

clsTSbase& frmTesselbase::TSbase() {
    if (!tsBase_) tsBase_ = std::make_unique<clsTSbase>();
    return *tsBase_;
}

clsDSPdata& frmTesselbase::DSPdata() {
    if (!dspData_) dspData_ = std::make_unique<clsDSPdata>(*this);
    return *dspData_;
}

clsAFCctrl& frmTesselbase::AFCctrl() {
    if (!afcCtrl_) afcCtrl_ = std::make_unique<clsAFCctrl>(*this);
    return *afcCtrl_;
}

clsDtmfOption& frmTesselbase::DtmfOption() {
    if (!dtmfOption_) dtmfOption_ = std::make_unique<clsDtmfOption>();
    return *dtmfOption_;
}

void frmTesselbase::Task_exec() {
    if (scopeCtrl_) scopeCtrl_->Task_exec();
    UpdateSmeter();
    AFCctrl().TASK_exec2();
}

void frmTesselbase::Timer1_Timer() {
    exec1();
}

void frmTesselbase::exec1() {
    if (versionRead_) {
        versionRead_ = false;
        watching_ = true;
        setTimer1Interval(watchPeriodMs_);
        VerCPU();
        VerSCI();
        MatrixVersion();
    }
    if (power_ != 1) return;
    if (connectionWait_) {
        if (LinkStat() == kLinkStatConnecting) {
            if (linkTick_.counter() == 0) error_ = 1;
        } else {
            connectionWait_ = false;
        }
    }
    if (LinkStat() == kLinkStatLinked) {
        if (Quillon().RsGetComportCTSstat() != 0) {
            linkTick_.setCounter(linkHoldMs());
        } else if (linkTick_.counter() == 0) {
            error_ = 1;
        }
    }
}

}  // namespace corvell
