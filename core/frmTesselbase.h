// The receiver object: the one program-wide model of the receiver, through which every window
// tunes and sets it. It wraps the link library's exports one to one and adds the program's own
// state (power, link watch, error flag, smoothed S-meter, per-mode filter memory, band edges,
// display request), and owns the scope objects, AFC, DSP and DTMF settings it creates at load.
// Thread contract: user-interface thread only; its timer and the heartbeat never overlap.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/ReceiverCodes.h"
#include "core/ScanCtrlRef.h"
#include "core/clsTick.h"

namespace corvell {

class objEDGES;
class clsAUTOMODE;
class clsTSbase;
class clsAFCctrl;
class clsDSPdata;
class clsScopeDATA;
class clsScopeSTAT;
class frmScopeCtrl;
class clsDtmfOption;
class ReceiverSettingsPart;

class frmTesselbase : public QObject {
    Q_OBJECT

  public:
    static constexpr int32_t kLinkWaitMs = 3000;
    static constexpr int32_t kSmeterHoldMs = 2000;
    static constexpr int32_t kRxerrSettleMs = 500;
    static constexpr int kFirstTimerMs = 100;
    static constexpr int kWatchTimerMs = 10000;

    explicit frmTesselbase(QObject* parent = nullptr);
    ~frmTesselbase() override;
    frmTesselbase(const frmTesselbase&) = delete;
    frmTesselbase& operator=(const frmTesselbase&) = delete;

    // ---- life (frmTesselbase.cpp) ----
    // No work of its own; start-up calls it before Load.
    void Init() {}
    // Creates the owned objects, reads section "DATA" and starts Timer1. Runs once.
    void Load();
    // Saves section "DATA", switches the receiver off and releases the scope and table
    // objects. Runs once, and only after Load.
    void Unload();
    // Instead of Unload, for a start that ended before the program ran: nothing is saved or
    // sent, as nothing was shown or changed.
    void Abandon();
    bool loaded() const { return loaded_; }
    void loadData();
    void saveData();
    // The share of section "DATA" a higher layer keeps (the memory file); read after and saved
    // with the receiver's own keys. Not owned; none by default.
    void setSettingsPart(ReceiverSettingsPart* part) { settingsPart_ = part; }
    // One heartbeat tick: scope controller, S-meter smoothing, AFC.
    void Task_exec();
    // The link watch, run by each tick of Timer1.
    void exec1();
    // The interval Timer1 runs with (ms): 100 from load, the watch period (10000) after the
    // first tick that follows the first power-on.
    int Timer1Interval() const { return timer1Interval_; }
    // The watch period; tests shorten it. Taken at once when the watch already runs with it.
    void setWatchPeriodMs(int ms);
    int watchPeriodMs() const { return watchPeriodMs_; }
    // How long a tick that found CTS up keeps the link alive: 3000 ms, but never more than half
    // a watch period, so the tick after the one that last found CTS up always sees it run out.
    int32_t linkHoldMs() const;
    // The country-version text read from the settings file.
    const std::string& CountryVer() const { return countryVer_; }

  public slots:
    void Timer1_Timer();

  public:
    // ---- owned objects (each exists from Load to Unload; the step object on first use) ----
    objEDGES& EDGES();
    clsAUTOMODE& AutoMode();
    clsScopeDATA& ScopeDATA();
    clsScopeSTAT& ScopeSTAT();
    frmScopeCtrl& ScopeCtrl();
    clsTSbase& TSbase();
    clsDSPdata& DSPdata();
    clsAFCctrl& AFCctrl();
    clsDtmfOption& DtmfOption();
    bool hasScopeObjects() const { return scopeData_ && scopeStat_; }

    // The scan controller the main window hands over (kept, not owned); null until then.
    ScanCtrlRef* ScanObj() const { return scanObj_.get(); }
    template <class Ctrl>
    void setScanObj(Ctrl* ctrl) {
        if (ctrl) {
            scanObj_ = std::make_unique<ScanCtrlAdapter<Ctrl>>(ctrl);
        } else {
            scanObj_.reset();
        }
    }
    void setScanObj(std::nullptr_t) { scanObj_.reset(); }
    // The controller itself when it is of type Ctrl, else null.
    template <class Ctrl>
    Ctrl* ScanObjAs() const {
        if (!scanObj_ || scanObj_->type() != typeid(Ctrl)) return nullptr;
        return static_cast<Ctrl*>(scanObj_->object());
    }

    // ---- tuning (frmTesselbase_tuning.cpp) ----
    int16_t Blank() const { return blank_; }
    void setBlank(int16_t v) { blank_ = v; }
    int32_t Frequency() const { return frequency_; }
    void setFrequency(int32_t f);
    // A frequency entered by the user: automatic mode row, tuning, AFC restart.
    void EntryFrequency(int32_t f);
    void setEntryFrequency(int32_t f) { EntryFrequency(f); }
    int32_t frq_up();
    int32_t frq_down();
    int32_t frq_upcalc();
    int32_t frq_downcalc();
    void SetScanRxData(int32_t f, std::string_view modeText, std::string_view filterText,
                       int32_t att, int32_t ctcss, std::string_view tsName);

    // ---- mode, filter and levels (frmTesselbase_levels.cpp) ----
    int32_t mode() const;
    void setMode(int32_t code);
    std::string ModeText() const;
    void setModeText(std::string_view text);
    void ModeGroup(int16_t code);
    static int32_t FilterCorrect(int32_t mode, int32_t filter);
    int32_t FilterBuff(int32_t mode) const;
    void setFilterBuff(int32_t mode, int32_t filter);
    int32_t filter() const;
    void setFilter(int32_t code);
    std::string FilterText() const;
    void setFilterText(std::string_view text);

    int32_t afgain() const;
    void setAfgain(int32_t v);
    int32_t afmute() const;
    void setAfmute(int16_t v);
    int32_t squelch() const;
    void setSquelch(int32_t v);
    int32_t moni() const;
    void setMoni(int16_t v);
    int32_t ifshift() const;
    void setIfshift(int32_t v);
    int32_t agc() const;
    void setAgc(int32_t v);
    int32_t nb() const;
    void setNb(int32_t v);
    int32_t att() const;
    void setAtt(int32_t v);
    int32_t afc() const;
    void setAfc(int32_t v);
    int32_t anl() const;
    void setAnl(int32_t v);
    int32_t vsc() const;
    void setVsc(int32_t v);
    int32_t ctcss() const;
    void setCtcss(int32_t v);

    // ---- meters, status, power and sends (frmTesselbase_meters.cpp) ----
    int32_t busy() const;
    int32_t Smeter() const;
    int32_t SmeterVirtual() const { return smeterSmooth_; }
    int32_t cmeter() const;
    int32_t afout() const;
    int32_t rxerr();
    int32_t UnitOption() const;
    int32_t VerCPU() const;
    int32_t VerSCI() const;
    int32_t MatrixVersion();
    void setRxVersion(int16_t code);
    // The version code last applied to the band edges (255 until the first valid one).
    int16_t RxVersionCode() const { return versionCode_; }
    // One step of the S-meter hold and smoothing, once per heartbeat tick.
    void UpdateSmeter();

    int32_t Power() const { return power_; }
    void setPower(int32_t v);
    void PowerOn();
    void PowerOff();
    int32_t ComPortNum() const;
    void setComPortNum(int32_t n);
    int32_t LinkStat() const;
    int32_t Error() const { return error_; }
    void setError(int32_t v) { error_ = v; }

    void SendFreq();
    void SendSCAN();
    void SendSCOPE();
    void SendSCOPEOFF();
    void SendOneShotAfMute(int32_t ms);
    void setExtPlug(int32_t v);
    void setExtOutLevel(int32_t v);

    void SetDispReq() { dispReq_ = true; }
    bool DispReq() const { return dispReq_; }
    void setDispReq(bool v) { dispReq_ = v; }
    void setDspUnitOn(bool on);
    void setDspOn(bool on);
    void setDspAn(bool on);
    void setDspNr(int32_t v);
    void MyOptionUpdate();
    int16_t OptionCache() const { return optionCache_; }
    int32_t DarcUsable() const;
    int32_t DSPUsable() const;

  private:
    void setTimer1Interval(int ms);
    bool insideEdges(int64_t f);
    int32_t stepFrom(bool up);

    bool loaded_ = false;
    bool unloaded_ = false;

    // owned objects
    std::unique_ptr<clsAUTOMODE> autoMode_;
    std::unique_ptr<clsScopeDATA> scopeData_;
    std::unique_ptr<clsScopeSTAT> scopeStat_;
    std::unique_ptr<frmScopeCtrl> scopeCtrl_;
    std::unique_ptr<clsTSbase> tsBase_;
    std::unique_ptr<clsDSPdata> dspData_;
    std::unique_ptr<clsAFCctrl> afcCtrl_;
    std::unique_ptr<clsDtmfOption> dtmfOption_;
    ReceiverSettingsPart* settingsPart_ = nullptr;
    std::unique_ptr<ScanCtrlRef> scanObj_;

    // life and link watch
    QTimer Timer1_;
    int timer1Interval_ = 0;
    int watchPeriodMs_ = kWatchTimerMs;
    bool watching_ = false;  // Timer1 has gone over to the watch period
    std::string countryVer_;
    bool versionRead_ = false;
    bool connectionWait_ = false;
    clsTick linkTick_;
    int32_t power_ = 0;
    int32_t error_ = 0;

    // tuning
    int32_t frequency_ = 0;
    int16_t blank_ = 0;
    bool firstSent_ = false;
    std::array<int32_t, 7> filterMemory_{};

    // meters
    clsTick smeterHold_;
    clsTick rxerrTick_;
    int32_t rxerrFrequency_ = 0;
    int16_t smeterRaw_ = 0;
    int16_t smeterHalf_ = 0;
    int16_t smeterDamp_ = 0;
    int16_t smeterSmooth_ = 0;
    int16_t optionCache_ = 255;
    // Read with the options, not on each of the many ticks that ask whether the decoder is
    // usable: reading it walks the environment.
    bool japaneseLocale_ = false;
    int16_t versionCode_ = 255;
    bool dispReq_ = false;
};

// The program-wide receiver object: null until start-up has created it, and it must point at
// the object before its Load runs.
frmTesselbase* ProgramReceiver();
void SetProgramReceiver(frmTesselbase* receiver);

}  // namespace corvell
