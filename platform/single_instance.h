// One running instance of a program per name. The first start holds it for its whole run; a
// later start ends at once while the holder runs on, but while the holder is ending (its
// window gone, settings still being written) the later start waits for it, a few seconds at
// most, so a quick restart is not lost. Built on two named mutexes: the instance itself, and
// one the holder takes when it starts to end. Where their lock files cannot be opened no start
// can know whether another runs, so none takes the instance.
// Thread contract: one thread per object.
#pragma once

#include <chrono>
#include <string>

#include "platform/named_mutex.h"

namespace platform {

class SingleInstance {
  public:
    explicit SingleInstance(const std::string& name);
    // Releases the instance when held.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Why a start did not take the instance.
    enum class Refusal {
        None,
        HolderRuns,         // another process holds it and runs on
        HolderStillEnding,  // its holder was ending and had not ended within the wait
        NoLockFile,         // the lock files cannot be opened: see lockProblem()
    };

    // True when this process now holds the instance: it was free, or its holder was ending
    // and ended within `waitForEnding`. False at once while the holder runs on, or when the
    // lock files cannot be opened; refusal() then says which.
    bool acquire(std::chrono::milliseconds waitForEnding);
    Refusal refusal() const { return refusal_; }
    // What keeps the lock files from opening; empty when they are open.
    std::string lockProblem() const;
    // The holder is ending: later starts wait for it from now on.
    void ending();
    bool held() const { return held_; }

  private:
    // Whether the holder of the instance has said it is ending.
    bool holderEnding();

    NamedMutex instance_;
    NamedMutex ending_;
    bool held_ = false;
    bool endingHeld_ = false;
    Refusal refusal_ = Refusal::None;
};

}  // namespace platform
