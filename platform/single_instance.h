// One running instance of a program per name. The first start holds it for its whole run; a
// later start ends at once while the holder runs on, but while the holder is ending (its
// window gone, settings still being written) the later start waits for it, a few seconds at
// most, so a quick restart is not lost. Built on two named mutexes: the instance itself, and
// one the holder takes when it starts to end.
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

    // True when this process now holds the instance: it was free, or its holder was ending
    // and ended within `waitForEnding`. False at once while the holder runs on.
    bool acquire(std::chrono::milliseconds waitForEnding);
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
};

}  // namespace platform
