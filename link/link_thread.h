// An object that owns at most one thread, which calls the object's Turn() again and again until
// it is told to stop. Stopping is cooperative: the running flag is cleared, a waiting turn is
// woken, and the thread is joined; it is never killed.
// Thread contract: Start() and Stop() may be called from any thread but the object's own; the
// turn runs on the object's thread. Derived classes call Stop() in their own destructor.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace quillon {

class LinkThread {
  public:
    LinkThread() = default;
    virtual ~LinkThread();
    LinkThread(const LinkThread&) = delete;
    LinkThread& operator=(const LinkThread&) = delete;

    // While the running flag is set, Turn().
    virtual void Run();
    // One turn of the thread; the base does nothing.
    virtual void Turn();
    // Nothing when a thread exists; otherwise sets the running flag and starts the thread.
    virtual void Start();
    // Nothing without a thread; otherwise clears the running flag, wakes the turn and joins.
    virtual void Stop();

    bool HasThread() const;
    bool IsRunning() const { return running_.load(std::memory_order_relaxed) != 0; }
    // Tells a turn waiting in WaitForNudge() that there is work; a nudge given while no turn
    // waits is kept for the next wait, so none is lost between a turn's look and its wait.
    void Nudge();

  protected:
    // Ends a Pause() at once; derived classes that block elsewhere in their turn add their own
    // wake-up and call this one too.
    virtual void Wake();
    // Waits `ms` milliseconds, or less when the thread is being stopped. False when stopping.
    bool Pause(uint32_t ms);
    // Waits for a Nudge() (or returns at once for one given since the last wait), or less when
    // the thread is being stopped. False when stopping.
    bool WaitForNudge();

  private:
    std::atomic<int32_t> running_{0};
    mutable std::mutex threadLock_;  // guards thread_
    std::thread thread_;
    std::mutex pauseLock_;
    std::condition_variable pauseEnd_;
    bool nudged_ = false;  // guarded by pauseLock_
};

}  // namespace quillon
