#include "link/receiver_controller.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <mutex>

#include "link/send_rotation.h"
#include "platform/tick_count.h"
#include "platform/window_messages.h"

namespace quillon {

using Guard = std::lock_guard<platform::NamedMutex>;

ReceiverController::ReceiverController(ReceiverState& state, const std::string& commandMutexName)
    : state_(state), commandMutex_(commandMutexName), port_(state) {
    Guard guard(commandMutex_);
    comportNum_.set(0);
    notifyWindow_.set(0);
    state_.relay().Reset();
    state_.relay().Start();
    muteRemaining_.set(0);
    state_.setChangeListener(this);
}

ReceiverController::~ReceiverController() {
    state_.setChangeListener(nullptr);
    Stop();
    port_.Close();
}

int32_t ReceiverController::setComportNum(int32_t n) {
    comportNum_.set(n >= 0 && n <= 10 ? n : 0);
    return n;
}

SerialPort::LineResult ReceiverController::Transmit(const CommandLine& line) {
    Guard guard(commandMutex_);
    std::memcpy(command_, line.text, sizeof command_);
    return port_.SendLine(command_);
}

bool ReceiverController::TransmitFor(Flag taken, const CommandLine& line) {
    if (Transmit(line) != SerialPort::LineResult::Held) return true;
    state_.raise(taken);
    return false;
}

CommandLine ReceiverController::CurrentFrequencyLine() const {
    return FrequencyLine(state_.frequency(), state_.mode(), state_.filter());
}

CommandLine ReceiverController::CurrentAfLine() const {
    return AfLine(state_.afgain(), state_.afmute());
}

void ReceiverController::PowerOn() {
    Guard guard(commandMutex_);
    state_.setPowerOnStat(0);
    char name[16];
    std::snprintf(name, sizeof name, "COM%d:", static_cast<int>(comportNum_.get()));
    port_.Close();
    port_.Open(name, 9600);

    Transmit(FixedLine("H101"));
    platform::sleepMs(200);
    Transmit(FixedLine("G105"));
    port_.SetSpeed(38400);
    platform::sleepMs(200);
    Transmit(FixedLine("J4000"));
    Transmit(FixedLine("J41FF"));

    // The receiver gets every stored value again; mode, filter and level ride in these groups.
    for (Flag f : {Flag::Frequency, Flag::Monitor, Flag::Squelch, Flag::Af, Flag::Ifshift,
                   Flag::Agc, Flag::Nb, Flag::Att, Flag::Anl, Flag::Bfo, Flag::Vsc, Flag::Ctcss,
                   Flag::Bpf, Flag::Plug}) {
        state_.raise(f);
    }
    state_.relay().Reset();
    state_.setVerSCI(-1);
    state_.setVerCPU(-1);
    state_.setUnitOption(0);
    state_.setMatrixVersion(-1);

    for (const char* query : {"H1?", "G2?", "G4?", "GE?", "GD?", "G301"}) {
        Transmit(FixedLine(query));
    }
    platform::sleepMs(200);
    Start();  // a sender still running from an earlier power-on goes on where it was
}

void ReceiverController::PowerOff() {
    state_.setPowerOnStat(0);
    // The sender is stopped before the command mutex is taken: it may be waiting for the mutex
    // to finish a transmission, and stopping it while holding the mutex would wait for ever.
    Stop();
    Guard guard(commandMutex_);
    // A port that is not open (switched off already, or it never opened) takes no line, and
    // no receiver needs time to take it: the end's second power-off costs nothing.
    if (port_.IsOpen()) {
        Transmit(FixedLine("H100"));
        platform::sleepMs(100);
    }
    port_.Close();
    // A reply that came in while the receiver was switching off does not make the link alive.
    state_.setPowerOnStat(0);
}

bool ReceiverController::HasWork() const {
    // Only flags that a group sends count: the PLL and AFC flags would keep it turning for
    // nothing.
    return SendRotation::FirstRaised(state_, 0) >= 0 || muteRemaining_.get() != 0 ||
           (notifyWindow_.get() != 0 && state_.scanStatFlag());
}

void ReceiverController::SendTurn() {
    // With nothing flagged, no scan report to pass on and no mute running, a turn would only
    // look and pause again, two hundred times a second; the sender waits for a change instead.
    bool rested = false;
    if (!HasWork()) {
        if (!WaitForNudge()) return;
        // No mute ran while it waited, so that time counts against none: a mute that woke it
        // counts from when it was set (published by its remaining time).
        lastTick_ = muteRemaining_.get() != 0 ? muteSetTick_.get() : platform::tickCount();
        haveLastTick_ = true;
        rested = true;
    }
    // A sender told to stop during its pause sends nothing more: what is still flagged waits
    // for the next power-on, and power-off's own line is the last one out.
    if (!Pause(kTurnPauseMs)) return;
    // Woken from a rest, the first group with a change goes out at this turn, wherever the
    // rotation stopped; from there it goes on in its order, so while changes keep coming every
    // group still gets its turn within one rotation. A wake with no change for any group (a
    // scan report, a mute, a nudge left from before the rest) leaves the rotation where it is.
    const int32_t step =
        rested ? SendRotation::FirstRaised(state_, sendStep_.get()) : sendStep_.get();
    if (step >= 0) {
        sendStep_.set(step);
        ServeStep();
    }
    NotifyScan();
    CountDownMute();
}

void ReceiverController::ServeStep() {
    const int32_t step = sendStep_.get();
    ReceiverState& s = state_;
    // Once a line is held, the rest of the step waits with its flags raised: the line would
    // hold each of them for its whole time-out too.
    bool moving = true;
    // Every line reads its values under the command mutex, so a direct send of the same
    // setting cannot come between the read and the line and leave the older value last.
    const auto serve = [&](Flag f, auto lineOf) {
        if (!moving || !s.take(f)) return;
        Guard guard(commandMutex_);
        moving = TransmitFor(f, lineOf());
    };
    // Of the flags of a line that several settings share, only the first raised one is taken;
    // the others stay raised for the next visit, which sends the same line again.
    const auto takeFirst = [&](std::initializer_list<Flag> flags) {
        for (Flag f : flags) {
            if (moving && s.take(f)) return f;
        }
        return Flag::Count;
    };
    switch (step) {
        case 0:
        case 8: {
            if (const Flag f = takeFirst({Flag::Frequency, Flag::Mode, Flag::Filter});
                f != Flag::Count) {
                Guard guard(commandMutex_);  // before the relay mutex
                moving = TransmitFor(f, CurrentFrequencyLine());
                s.relay().SetFrequency(s.frequency());
            }
            if (const Flag f = takeFirst({Flag::Squelch, Flag::Monitor, Flag::Vsc});
                f != Flag::Count) {
                Guard guard(commandMutex_);
                moving = TransmitFor(f, SquelchLine(s.sql(), s.moni())) &&
                         TransmitFor(f, VscLine(s.vsc()));
            }
            break;
        }
        case 2:
            serve(Flag::Ctcss, [&] { return CtcssLine(s.ctcss()); });
            serve(Flag::Af, [&] { return CurrentAfLine(); });
            break;
        case 4:
            serve(Flag::Ifshift, [&] { return IfshiftLine(s.ifshift()); });
            serve(Flag::Agc, [&] { return AgcLine(s.agc()); });
            break;
        case 6:
            serve(Flag::Nb, [&] { return NbLine(s.nb()); });
            serve(Flag::Bfo, [&] { return BfoLine(s.bfoshift()); });
            break;
        case 10:
            serve(Flag::Att, [&] { return AttLine(s.att()); });
            serve(Flag::Anl, [&] { return AnlLine(s.anl()); });
            break;
        case 12:
            serve(Flag::Bpf, [&] { return BpfLine(s.bpftune()); });
            break;
        case 14:
            if (const Flag f = takeFirst({Flag::Plug, Flag::Level}); f != Flag::Count) {
                Guard guard(commandMutex_);
                moving = TransmitFor(f, LevelLine(s.extOutLevel())) &&
                         TransmitFor(f, PlugLine(s.extPlug()));
            }
            break;
        case 16:
            serve(Flag::DspUnit, [] { return DspUnitLine(); });
            serve(Flag::DspOn, [&] { return DspOnLine(s.dspOn()); });
            serve(Flag::Nr, [&] { return NrLine(s.dspNr()); });
            serve(Flag::An, [&] { return AnLine(s.dspAn()); });
            break;
        default:
            break;
    }
    sendStep_.set(SendRotation::Next(step));
}

void ReceiverController::NotifyScan() {
    const int32_t window = notifyWindow_.get();
    if (window == 0 || !state_.takeScanStatFlag()) return;
    // Retried while the window exists and the sender runs; a window that is gone, or a sender
    // being stopped, ends it.
    do {
        if (platform::sendMessageTimeout(window, kScanNotifyMessage, kScanNotifyWParam,
                                         kScanNotifyLParam, kScanNotifyTimeoutMs)) {
            return;
        }
        if (!platform::isWindow(window)) return;
    } while (IsRunning());
}

void ReceiverController::CountDownMute() {
    const uint32_t now = platform::tickCount();
    if (!haveLastTick_) {
        lastTick_ = now;
        haveLastTick_ = true;
    }
    const uint32_t elapsed = now > lastTick_ ? now - lastTick_ : 0;
    lastTick_ = now;
    uint32_t remaining = muteRemaining_.get();
    if (remaining > elapsed) {
        muteRemaining_.compareExchange(remaining, remaining - elapsed);
    } else if (remaining != 0 && muteRemaining_.compareExchange(remaining, 0)) {
        // A held restore leaves the AF flag raised, so its group sends the stored AF later.
        TransmitFor(Flag::Af, CurrentAfLine());
    }
}

void ReceiverController::SendFreq() {
    Transmit(CurrentFrequencyLine());
}

void ReceiverController::SendScan(int32_t code) {
    Guard guard(commandMutex_);
    Transmit(ScanLine(code));
    state_.setScanStat((code & 0x7F) != 0 ? 2 : 0);
}

void ReceiverController::SetScanRxData(int32_t hz, int32_t mode, int32_t filter, int32_t att,
                                       int32_t ctcss, int32_t pllref) {
    Guard guard(commandMutex_);
    state_.setFrequency(hz);
    state_.setMode(mode);
    state_.setFilter(filter);
    state_.setPllRefFrequency(pllref);
    state_.setAtt(att);
    state_.setCtcss(ctcss);
    // Each flag is taken before its line reads the values, so only what these lines carry is
    // cleared: a setter on another thread that raises one after that keeps its change standing
    // for the sender. A held line leaves its flags raised as well.
    bool raised[3] = {};
    const Flag lineFlags[3] = {Flag::Frequency, Flag::Mode, Flag::Filter};
    for (int i = 0; i < 3; ++i) raised[i] = state_.take(lineFlags[i]);
    if (Transmit(CurrentFrequencyLine()) == SerialPort::LineResult::Held) {
        for (int i = 0; i < 3; ++i) {
            if (raised[i]) state_.raise(lineFlags[i]);
        }
    }
    state_.relay().SetFrequency(state_.frequency());
    if (state_.take(Flag::Att)) TransmitFor(Flag::Att, AttLine(state_.att()));
    if (state_.take(Flag::Ctcss)) TransmitFor(Flag::Ctcss, CtcssLine(state_.ctcss()));
}

void ReceiverController::SendScope(int32_t mode, int32_t span, int32_t speed, int32_t step) {
    Transmit(ScopeLine(mode, span, speed, step));
}

void ReceiverController::SendOneShotAfMute(int32_t ms) {
    Guard guard(commandMutex_);
    if (ms != 0) {
        Transmit(FixedLine("J4000"));
        muteSetTick_.set(platform::tickCount());
        muteRemaining_.set(static_cast<uint32_t>(ms));
        Nudge();
    } else {
        Transmit(CurrentAfLine());
    }
}

}  // namespace quillon
