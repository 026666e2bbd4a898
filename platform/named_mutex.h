// A named mutex shared by every process on the machine, re-entrant for the thread that holds
// it. Within a process all handles of one name share one recursive lock; across processes an
// flock() on a lock file excludes, so a crashed holder never leaves it locked. The lock files of
// the program and of the link library sit in one folder, so both meet: $XDG_RUNTIME_DIR, else a
// folder of the user's own, /tmp/corvell-<uid> (mode 0700, made when missing).
// Thread contract: any thread may lock and unlock; unlock only what this thread has locked.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace platform {

class NamedMutex {
  public:
    // Creates or opens the mutex; it starts unowned.
    explicit NamedMutex(const std::string& name);
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // False when the lock file could not be opened: the mutex then excludes within this
    // process only, and lockProblem() says why (empty while it is system-wide). Whoever must
    // keep other processes out (a single instance) refuses to go on then.
    bool systemWide() const;
    std::string lockProblem() const;
    const std::string& name() const { return name_; }
    // The folder of the lock files, as the environment names it now; the per-user folder is
    // made and checked when a mutex opens its file.
    static std::string lockDirectory();
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
