// The DTMF decoder's side of the panel, without drawing: on every heartbeat tick it takes the
// code the receiver last reported through the link exports, turns 16..31 into one of
// "0123456789ABCD*#", appends it to the received string and re-arms the link's code; while
// remote actions are on, the first entry whose code equals the whole string runs its action,
// once per string. Its one-second timer clears the string after more than five seconds
// without a new character, which also allows the next action.
// The link has no take-and-clear export: the code is read, then 0 is written back. A report
// that the link's reader thread stores between those two calls is overwritten and lost; at the
// pace a person keys DTMF that window (two calls, microseconds) is not reached in practice.
// Thread contract: user-interface thread only (heartbeat and one-second timer).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvell {
class frmTesselbase;
class clsDtmfOption;
}  // namespace corvell

namespace corvell::panels {

class RemoteActionRunner;

class DtmfDecoder {
  public:
    static constexpr int kTimerMs = 1000;
    // More than this many milliseconds without a character clears the string.
    static constexpr int kIdleClearMs = 5000;

    DtmfDecoder(frmTesselbase& rx, clsDtmfOption& option, RemoteActionRunner& actions);

    // The character a reported code value stands for; nothing for any other value.
    static std::optional<char> CharacterOf(int32_t value);

    // One heartbeat tick: nothing while the receiver is off or the link has failed; the string
    // emptied while the DTMF display is off; else one code taken and, with remote actions on,
    // the entries matched.
    void Poll();
    // One tick of the one-second timer.
    void Timer1_Timer();

    const std::string& ReceivedCode() const { return receivedCode_; }
    int IdleMs() const { return idleMs_; }
    bool ActionDone() const { return actionDone_; }

  private:
    void matchEntries();

    frmTesselbase& rx_;
    clsDtmfOption& option_;
    RemoteActionRunner& actions_;
    std::string receivedCode_;
    int idleMs_ = 0;
    bool actionDone_ = false;
};

}  // namespace corvell::panels
