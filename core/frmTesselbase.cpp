#include "core/frmTesselbase.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "core/BandEdgeTables.h"
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

void frmTesselbase::loadData() {
    clsProfileIO& p = ProgramProfile();
    p.setSection("DATA");

    p.loadData("COUNTRYVER", countryVer_, "GENE");

    int32_t freq = 145000000;
    p.loadData("RXFREQ", freq, int32_t{145000000});
    setFrequency(freq);

    std::string text = "20k";
    p.loadData("TS", text, "20k");
    TSbase().setTsname(text);
    text = "FM";
    p.loadData("RXMODE", text, "FM");
    setModeText(text);
    text = "15k";
    p.loadData("RXFIL", text, "15k");
    setFilterText(text);

    struct FilterKey {
        const char* key;
        int32_t mode;
        int32_t fallback;
    };
    static constexpr FilterKey kFilterKeys[] = {{"RXFIL_FM", 5, 2},  {"RXFIL_WFM", 6, 4},
                                                {"RXFIL_AM", 2, 1},  {"RXFIL_CW", 3, 0},
                                                {"RXFIL_LSB", 0, 0}, {"RXFIL_USB", 1, 0}};
    for (const FilterKey& k : kFilterKeys) {
        int32_t v = k.fallback;
        p.loadData(k.key, v, k.fallback);
        setFilterBuff(k.mode, v);
    }

    auto level = [&](const char* key, int32_t fallback) {
        int32_t v = fallback;
        p.loadData(key, v, fallback);
        return v;
    };
    setAfgain(level("AFGAIN", 40));
    setSquelch(level("SQUELCH", 0));
    setIfshift(level("IFSHIFT", 128));
    setAgc(level("AGC", 0));
    setNb(level("NB", 0));
    setAfc(level("AFC", 0));
    setAtt(level("ATT", 0));
    setAnl(level("ANL", 0));
    setVsc(level("VSC", 0));
    bool automode = false;
    p.loadData("AUTOMODE", automode, false);
    AutoMode().setMode(automode ? 1 : 0);
    setCtcss(level("CTCSS", 0));

    // The unit counts as present while the switches are applied; which unit is really
    // fitted is settled once the receiver has reported its options.
    clsDSPdata& dsp = DSPdata();
    dsp.setEnable(true);
    dsp.setAfon(level("DSPON", 0) != 0);
    dsp.setAnf(level("DSPANF", 0) != 0);
    dsp.setNr(level("DSPNR", 0) != 0);
    int32_t nrlevel = level("DSPNRLEVEL", 0);
    dsp.setNrlevel(nrlevel);

    if (settingsPart_) settingsPart_->loadSettings(p);
}

void frmTesselbase::saveData() {
    clsProfileIO& p = ProgramProfile();
    p.setSection("DATA");
    p.saveData("RXFREQ", Frequency());
    p.saveData("RXMODE", ModeText());
    p.saveData("RXFIL", FilterText());
    p.saveData("RXFIL_FM", FilterBuff(5));
    p.saveData("RXFIL_WFM", FilterBuff(6));
    p.saveData("RXFIL_AM", FilterBuff(2));
    p.saveData("RXFIL_CW", FilterBuff(3));
    p.saveData("RXFIL_USB", FilterBuff(1));
    p.saveData("RXFIL_LSB", FilterBuff(0));
    p.saveData("TS", TSbase().tsname());
    p.saveData("AFGAIN", afgain());
    p.saveData("SQUELCH", squelch());
    p.saveData("IFSHIFT", ifshift());
    p.saveData("AGC", agc());
    p.saveData("NB", nb());
    p.saveData("AFC", afc());
    p.saveData("ATT", att());
    p.saveData("ANL", anl());
    p.saveData("VSC", vsc());
    p.saveData("CTCSS", ctcss());
    p.saveData("AUTOMODE", static_cast<int16_t>(AutoMode().mode() ? -1 : 0));
    // The switches as the user set them: a unit that has not reported yet must not turn
    // them off in the file.
    clsDSPdata& dsp = DSPdata();
    p.saveData("DSPON", dsp.afonSetting());
    p.saveData("DSPANF", dsp.anfSetting());
    p.saveData("DSPNR", dsp.nrSetting());
    p.saveData("DSPNRLEVEL", dsp.nrlevel());
    if (settingsPart_) settingsPart_->saveSettings(p);
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
        setTimer1Interval(kWatchTimerMs);
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
            linkTick_.setCounter(kLinkWaitMs);
        } else if (linkTick_.counter() == 0) {
            error_ = 1;
        }
    }
}

}  // namespace corvell
