// A named mutex shared by every process on the machine, re-entrant for the thread that holds
// it. Within a process all handles of one name share one recursive lock; across processes an
// flock() on a lock file excludes, so a crashed holder never leaves it locked.
// Thread contract: any thread may lock and unlock; unlock only what this thread has locked.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace platform {

class NamedMutex {
  public:
    // Creates or opens the mutex; it starts unowned. The lock file lives in $XDG_RUNTIME_DIR,
    // else in /tmp.
    explicit NamedMutex(const std::string& name);
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // False when the lock file could not be opened: the mutex then excludes within this
    // process only.
    bool systemWide() const;
    const std::string& name() const { return name_; }
    static std::string lockFilePath(const std::string& name);

    void lock();
    bool try_lock();
    // Waits at most `wait` for the mutex (its owner gets it at once); false when it stayed
    // taken. A hold is looked at again every fraction of a millisecond.
    bool try_lock_for(std::chrono::milliseconds wait);
    void unlock();

    struct Shared;

  private:
    std::string name_;
    std::shared_ptr<Shared> shared_;
};

}  // namespace platform
