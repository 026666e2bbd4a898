// The data-broadcast relay: appends received data bytes to a ring in named shared memory that
// a decoder program reads, keeps the header words (frequency, counters, data valid, producer),
// and runs a 100 ms watchdog that marks the data stale and finally empties the ring.
// The area is reached through its descriptor, never mapped, so another program that shrinks it
// cannot make us fault: while it is too small nothing is relayed (said once on stderr).
// Thread contract: every operation may run on any thread; each access to the shared area holds
// the named relay mutex. Where the command mutex is also needed, it is taken first. A Batch
// belongs to the thread that made it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

#include "link/link_thread.h"
#include "link/relaxed.h"
#include "platform/named_mutex.h"
#include "platform/shared_memory.h"

namespace quillon {

class DarcRelay : public LinkThread {
  public:
    static constexpr const char* kMappingName = "Varnel_Skarnview_DARCDATABUFF_mf";
    static constexpr const char* kMutexName = "Varnel_Skarnview_DARCDATABUFF_mt";
    static constexpr uint32_t kHeaderSize = 32;
    static constexpr uint32_t kRingSize = 240000;
    static constexpr uint32_t kTotalSize = kHeaderSize + kRingSize;  // 240032
    static constexpr int kFrameBytes = 24;
    static constexpr uint32_t kCounterLimit = 24000000;
    static constexpr int32_t kStaleTicks = 10;   // data valid drops after 1 s without data
    static constexpr int32_t kResetTicks = 300;  // the header is reset after 30 s
    static constexpr uint32_t kTickMs = 100;
    // The longest a frame waits for the relay mutex before it is dropped, so that a decoder
    // holding the mutex never holds up the replies behind the frame.
    static constexpr std::chrono::milliseconds kLockWait{20};

    // The eight little-endian 32-bit words of the header, by position.
    enum Word : uint32_t {
        TotalSize,
        Frequency,
        WriteIndex,
        ByteCounter,
        CounterAtWrap,
        Fill,
        DataValid,
        Producer
    };

    // While a batch lives, the frames its thread writes go in under one hold of the relay
    // mutex, taken at the first frame (waiting at most kLockWait) and given back, with the
    // header up to date, at the batch's end: a reader who takes the mutex still sees whole
    // frames only. A frame that cannot get the mutex is dropped; later frames of the batch
    // then try without waiting. Batches nest; the outermost one holds.
    class Batch {
      public:
        explicit Batch(DarcRelay& relay);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        void Write(const uint8_t* bytes);

      private:
        bool acquire();
        void flushRing();

        DarcRelay& relay_;
        Batch* outer_;   // the batch of this thread that was current before this one
        Batch* holder_;  // the batch that takes the mutex and keeps the frames
        bool held_ = false;
        bool waited_ = false;
        uint32_t index_ = 0;
        uint32_t counter_ = 0;
        uint32_t fill_ = 0;
        uint32_t counterAtWrap_ = 0;
        static constexpr uint32_t kPendingBytes = 200 * kFrameBytes;  // less than the ring
        uint8_t pending_[kPendingBytes];  // ring bytes not yet written, from pendingStart_ on
        uint32_t pendingSize_ = 0;
        uint32_t pendingStart_ = 0;
    };

    // Opens or creates the mutex and the shared area; a new area is zero-filled. When the area
    // cannot be had, the reason goes to stderr and the relay writes nothing from then on.
    explicit DarcRelay(const std::string& mappingName = kMappingName,
                       const std::string& mutexName = kMutexName);
    ~DarcRelay() override;

    bool IsMapped() const { return memory_.isOpen(); }
    bool Created() const { return memory_.created(); }

    void Reset();
    // Appends one frame of kFrameBytes bytes (through this thread's batch, when one lives).
    void Write(const uint8_t* bytes);
    // A different frequency empties the ring first; the same one changes nothing.
    void SetFrequency(int32_t hz);
    void SetProducer(int32_t present);
    // One watchdog tick: count, then sleep kTickMs (less when the thread is stopping). Once
    // the count is held at kResetTicks a tick would change nothing, so the watchdog waits for
    // the next write instead and counts again from kTickMs after it.
    void Watch();
    // The counting half of a tick.
    void WatchTick();
    int32_t IdleTicks() const { return idleTicks_.get(); }

  protected:
    void Turn() override { Watch(); }

  private:
    // With the mutex held: false (and said once) while another program has left the area
    // smaller than kTotalSize; the next full-size check allows a new report.
    bool usable();
    bool readWord(Word w, uint32_t& value);
    void setWord(Word w, uint32_t value);
    void resetLocked();

    platform::NamedMutex mutex_;
    platform::SharedMemory memory_;
    Relaxed<int32_t> idleTicks_{0};
    std::atomic<bool> shrunkReported_{false};
};

}  // namespace quillon
