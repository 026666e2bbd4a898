// The half of the link that talks to the receiver: the power sequences, the sender thread that
// transmits flagged settings one group per turn (it waits while there is nothing to send and,
// woken, serves the first group with a change at once), the direct sends, the scan-status
// window notification and the one-shot AF mute. Every transmission holds the command mutex.
// Thread contract: the public operations may be called from any thread but the sender's; the
// power and direct sends take the command mutex, the rest take no lock.
#pragma once

#include <cstdint>
#include <string>

#include "link/command_lines.h"
#include "link/link_port.h"
#include "link/link_thread.h"
#include "link/published.h"
#include "link/receiver_state.h"
#include "link/relaxed.h"
#include "platform/named_mutex.h"

namespace quillon {

class ReceiverController : public LinkThread {
  public:
    static constexpr const char* kCommandMutexName = "Varnel_CCitCtrl_mt";
    static constexpr uint32_t kScanNotifyMessage = 0x200;
    static constexpr intptr_t kScanNotifyWParam = 1;
    static constexpr intptr_t kScanNotifyLParam = 10;
    static constexpr uint32_t kScanNotifyTimeoutMs = 500;
    static constexpr uint32_t kTurnPauseMs = 5;

    explicit ReceiverController(ReceiverState& state,
                                const std::string& commandMutexName = kCommandMutexName);
    ~ReceiverController() override;

    void PowerOn();
    void PowerOff();
    // One turn of the sender thread.
    void SendTurn();

    void SendFreq();
    void SendScan(int32_t code);
    void SetScanRxData(int32_t hz, int32_t mode, int32_t filter, int32_t att, int32_t ctcss,
                       int32_t pllref);
    void SendScope(int32_t mode, int32_t span, int32_t speed, int32_t step);
    void SendOneShotAfMute(int32_t ms);

    // Stores the number when it is 0..10, else 0; returns the argument.
    int32_t setComportNum(int32_t n);
    int32_t comportNum() const { return comportNum_.get(); }
    int32_t setHwndScanNotify(int32_t window) {
        notifyWindow_.set(window);
        Nudge();  // a scan report may already be waiting for a window
        return window;
    }
    int32_t hwndScanNotify() const { return notifyWindow_.get(); }
    int32_t comportDSRstat() const { return port_.IsDsrOn(); }
    int32_t comportCTSstat() const { return port_.IsCtsOn(); }

    int32_t sendStep() const { return sendStep_.get(); }
    uint32_t muteRemaining() const { return muteRemaining_.get(); }
    bool portOpen() const { return port_.IsOpen(); }

  protected:
    void Turn() override { SendTurn(); }

  private:
    SerialPort::LineResult Transmit(const CommandLine& line);
    // Sends the line of a flag just taken. A line that the receiver held (the line did not take
    // it within its time-outs) raises the flag again, so the change goes out at a later visit
    // of its group with the value stored then; false then. A line that failed (no port, a
    // device error) is dropped with its flag down, as every failed line is.
    bool TransmitFor(Flag taken, const CommandLine& line);
    // Whether a turn has anything to do: a flag a group sends, a scan report for the window, or
    // a mute counting down.
    bool HasWork() const;
    void ServeStep();
    void NotifyScan();
    void CountDownMute();
    CommandLine CurrentFrequencyLine() const;
    CommandLine CurrentAfLine() const;

    ReceiverState& state_;
    platform::NamedMutex commandMutex_;
    LinkPort port_;
    char command_[CommandLine::kCapacity] = {};  // the line being sent, under the command mutex
    Relaxed<int32_t> comportNum_{0};
    Relaxed<int32_t> notifyWindow_{0};
    // The remaining time is stored after the tick it counts from, and published by it.
    Published<uint32_t> muteRemaining_{0};
    Relaxed<uint32_t> muteSetTick_{0};  // the tick count when the running mute was set
    // The rotation and the mute clock belong to the link, not to one power cycle.
    Relaxed<int32_t> sendStep_{0};
    uint32_t lastTick_ = 0;  // sender thread only
    bool haveLastTick_ = false;
};

}  // namespace quillon
