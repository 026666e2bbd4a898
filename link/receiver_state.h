// The single store of the link: the settings the program wants (each with a change flag for
// the sender), the values the receiver reports, the band-scope levels, the status words, and
// the data-broadcast relay.
// Thread contract: no operation takes a lock of the store's own; every field is one atomic word
// or byte, so the main thread, the sender, the reader and the direct sends may all use it at
// once. A flag is ordered after its value (raised with release, taken with acquire). A raised
// flag or a scan report nudges the change listener, which takes that thread's pause lock for a
// moment.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "link/darc_relay.h"
#include "link/published.h"
#include "link/relaxed.h"

namespace quillon {

// Change flags of the wanted settings, in the order of the settings.
enum class Flag : int {
    Frequency,
    Pll,
    Mode,
    Filter,
    Af,  // AF gain and AF mute share it
    Squelch,
    Monitor,
    Ifshift,
    Agc,
    Nb,
    Afc,
    Att,
    Anl,
    Bfo,
    Vsc,
    Ctcss,
    Bpf,
    Plug,
    Level,
    DspUnit,
    DspOn,
    Nr,
    An,
    Count
};

class ReceiverState {
  public:
    static constexpr int32_t kMinFrequency = 10000;
    static constexpr int32_t kMaxFrequency = 1300000000;
    static constexpr int kScopePoints = 256;

    explicit ReceiverState(const std::string& relayMapping = DarcRelay::kMappingName,
                           const std::string& relayMutex = DarcRelay::kMutexName);
    ~ReceiverState();
    ReceiverState(const ReceiverState&) = delete;
    ReceiverState& operator=(const ReceiverState&) = delete;

    DarcRelay& relay() { return relay_; }

    // The thread nudged after every raised flag and every scan report, so a sender waiting for
    // work wakes; none (nullptr) by default.
    void setChangeListener(LinkThread* listener) { listener_.store(listener); }

    // Change flags. A flag is raised after its value is stored, and the sender takes it before
    // it reads the value, so whoever takes a raised flag reads the value that raised it or a
    // later one (see published.h); a raise is an exchange, so raises of one flag from several
    // threads all reach the taker.
    bool flag(Flag f) const { return flags_[static_cast<int>(f)].get() != 0; }
    void raise(Flag f) {
        flags_[static_cast<int>(f)].exchange(1);
        tellListener();
    }
    void clear(Flag f) { flags_[static_cast<int>(f)].set(0); }
    // Clears the flag and tells whether it was raised.
    bool take(Flag f) { return flags_[static_cast<int>(f)].exchange(0) != 0; }

    // Wanted settings: a setter stores a changed value, raises its flag and returns its
    // argument (the PLL reference setter returns the value it stored).
    int32_t setFrequency(int32_t hz);
    int32_t frequency() const { return frequency_.get(); }
    int32_t setPllRefFrequency(int32_t hz);
    int32_t pllRefFrequency() const { return pllRef_.get(); }
    int32_t setMode(int32_t v) { return store(mode_, v, Flag::Mode); }
    int32_t mode() const { return mode_.get(); }
    int32_t setFilter(int32_t v) { return store(filter_, v, Flag::Filter); }
    int32_t filter() const { return filter_.get(); }
    int32_t setAfgain(int32_t v) { return store(afgain_, v, Flag::Af); }
    int32_t afgain() const { return afgain_.get(); }
    int32_t setAfmute(int32_t v) { return store(afmute_, v, Flag::Af); }
    int32_t afmute() const { return afmute_.get(); }
    int32_t setSql(int32_t v) { return store(sql_, v, Flag::Squelch); }
    int32_t sql() const { return sql_.get(); }
    int32_t setMoni(int32_t v) { return store(moni_, v, Flag::Monitor); }
    int32_t moni() const { return moni_.get(); }
    int32_t setIfshift(int32_t v) { return store(ifshift_, v, Flag::Ifshift); }
    int32_t ifshift() const { return ifshift_.get(); }
    int32_t setAgc(int32_t v) { return store(agc_, v, Flag::Agc); }
    int32_t agc() const { return agc_.get(); }
    int32_t setNb(int32_t v) { return store(nb_, v, Flag::Nb); }
    int32_t nb() const { return nb_.get(); }
    int32_t setAfc(int32_t v) { return store(afc_, v, Flag::Afc); }
    int32_t afc() const { return afc_.get(); }
    int32_t setAtt(int32_t v) { return store(att_, v, Flag::Att); }
    int32_t att() const { return att_.get(); }
    int32_t setAnl(int32_t v) { return store(anl_, v, Flag::Anl); }
    int32_t anl() const { return anl_.get(); }
    int32_t setBfoshift(int32_t v) { return store(bfoshift_, v, Flag::Bfo); }
    int32_t bfoshift() const { return bfoshift_.get(); }
    int32_t setVsc(int32_t v) { return store(vsc_, v, Flag::Vsc); }
    int32_t vsc() const { return vsc_.get(); }
    int32_t setCtcss(int32_t v) { return store(ctcss_, v, Flag::Ctcss); }
    int32_t ctcss() const { return ctcss_.get(); }
    int32_t setBpftune(int32_t v) { return store(bpftune_, v, Flag::Bpf); }
    int32_t bpftune() const { return bpftune_.get(); }
    int32_t setExtPlug(int32_t v) { return store(extPlug_, v, Flag::Plug); }
    int32_t extPlug() const { return extPlug_.get(); }
    int32_t setExtOutLevel(int32_t v) { return store(extOutLevel_, v, Flag::Level); }
    int32_t extOutLevel() const { return extOutLevel_.get(); }
    int32_t setDspUnitOn(int32_t v) { return store(dspUnitOn_, v, Flag::DspUnit); }
    int32_t dspUnitOn() const { return dspUnitOn_.get(); }
    int32_t setDspOn(int32_t v) { return store(dspOn_, v, Flag::DspOn); }
    int32_t dspOn() const { return dspOn_.get(); }
    int32_t setDspNr(int32_t v) { return store(dspNr_, v, Flag::Nr); }
    int32_t dspNr() const { return dspNr_.get(); }
    int32_t setDspAn(int32_t v) { return store(dspAn_, v, Flag::An); }
    int32_t dspAn() const { return dspAn_.get(); }

    // Received values: written only when they differ; the scan status on every report, each
    // report raising the scan-status flag.
    void setSmeter(int32_t v) { update(smeter_, v); }
    int32_t smeter() const { return smeter_.get(); }
    void setCmeter(int32_t v) { update(cmeter_, v); }
    int32_t cmeter() const { return cmeter_.get(); }
    int32_t setDtmfr(int32_t v) {
        update(dtmfr_, v);
        return v;
    }
    int32_t dtmfr() const { return dtmfr_.get(); }
    void setBusy(int32_t v) { update(busy_, v); }
    int32_t busy() const { return busy_.get(); }
    void setVscbusy(int32_t v) { update(vscbusy_, v); }
    int32_t vscbusy() const { return vscbusy_.get(); }
    void setAfopen(int32_t v) { update(afopen_, v); }
    int32_t afopen() const { return afopen_.get(); }
    void setStereoDet(int32_t v) { update(stereoDet_, v); }
    int32_t stereoDet() const { return stereoDet_.get(); }
    void setRxerr(int32_t v) { update(rxerr_, v); }
    // The receive error counts only while a frequency is tuned.
    int32_t rxerr() const { return frequency() != 0 ? rxerr_.get() : 0; }
    void setScanStat(int32_t v);
    int32_t scanStat() const { return scanStat_.get(); }
    bool takeScanStatFlag() { return scanStatFlag_.exchange(0) != 0; }
    bool scanStatFlag() const { return scanStatFlag_.get() != 0; }

    // Band-scope levels; an index outside 0..255 is ignored (read as 0).
    void setScopeBuff(int32_t index, int32_t level);
    int32_t scopeBuff(int32_t index) const;

    // Status words.
    void setCmdStat(int32_t v) { cmdStat_.set(v); }
    int32_t cmdStat() const { return cmdStat_.get(); }
    void setVerSCI(int32_t v) { verSci_.set(v); }
    int32_t verSCI() const { return verSci_.get(); }
    void setVerCPU(int32_t v) { verCpu_.set(v); }
    int32_t verCPU() const { return verCpu_.get(); }
    void setUnitOption(int32_t v) { unitOption_.set(v); }
    int32_t unitOption() const { return unitOption_.get(); }
    void setMatrixVersion(int32_t v) { matrixVersion_.set(v); }
    int32_t matrixVersion() const { return matrixVersion_.get(); }
    void setPowerOnStat(int32_t v) { powerOnStat_.set(v); }
    int32_t powerOnStat() const { return powerOnStat_.get(); }
    void setExtspJackIn(int32_t v) { update(extspJackIn_, v); }
    int32_t extspJackIn() const { return extspJackIn_.get(); }

  private:
    void tellListener() {
        if (LinkThread* listener = listener_.load()) listener->Nudge();
    }
    int32_t store(Relaxed<int32_t>& field, int32_t v, Flag f) {
        if (field.get() != v) {
            field.set(v);
            raise(f);
        }
        return v;
    }
    static void update(Relaxed<int32_t>& field, int32_t v) {
        if (field.get() != v) field.set(v);
    }

    DarcRelay relay_;  // built before the defaults, torn down after everything else
    std::atomic<LinkThread*> listener_{nullptr};

    Published<uint8_t> flags_[static_cast<int>(Flag::Count)];

    Relaxed<int32_t> frequency_{145000000};
    Relaxed<int32_t> pllRef_{5000};
    Relaxed<int32_t> mode_{0};
    Relaxed<int32_t> filter_{0};
    Relaxed<int32_t> afgain_{0};
    Relaxed<int32_t> afmute_{0};
    Relaxed<int32_t> sql_{0};
    Relaxed<int32_t> moni_{0};
    Relaxed<int32_t> ifshift_{128};
    Relaxed<int32_t> agc_{0};
    Relaxed<int32_t> nb_{0};
    Relaxed<int32_t> afc_{0};
    Relaxed<int32_t> att_{0};
    Relaxed<int32_t> anl_{0};
    Relaxed<int32_t> bfoshift_{128};
    Relaxed<int32_t> vsc_{0};
    Relaxed<int32_t> ctcss_{0};
    Relaxed<int32_t> bpftune_{0};
    Relaxed<int32_t> extPlug_{0};
    Relaxed<int32_t> extOutLevel_{0};
    Relaxed<int32_t> dspUnitOn_{0};
    Relaxed<int32_t> dspOn_{0};
    Relaxed<int32_t> dspNr_{0};
    Relaxed<int32_t> dspAn_{0};

    Relaxed<int32_t> smeter_{0};
    Relaxed<int32_t> cmeter_{128};
    Relaxed<int32_t> dtmfr_{0};
    Relaxed<int32_t> busy_{0};
    Relaxed<int32_t> vscbusy_{0};
    Relaxed<int32_t> afopen_{0};
    Relaxed<int32_t> stereoDet_{0};
    Relaxed<int32_t> rxerr_{0};
    Relaxed<int32_t> scanStat_{0};
    Published<uint8_t> scanStatFlag_{0};

    Relaxed<int32_t> scope_[kScopePoints];

    Relaxed<int32_t> cmdStat_{0};
    Relaxed<int32_t> verSci_{-1};
    Relaxed<int32_t> verCpu_{-1};
    Relaxed<int32_t> unitOption_{0};
    Relaxed<int32_t> matrixVersion_{-1};
    Relaxed<int32_t> powerOnStat_{0};
    Relaxed<int32_t> extspJackIn_{0};
};

}  // namespace quillon
