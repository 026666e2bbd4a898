// The data-broadcast relay: appends received data bytes to a ring in named shared memory that
// a decoder program reads, keeps the header words (frequency, counters, data valid, producer),
// and runs a 100 ms watchdog that marks the data stale and finally empties the ring.
// Thread contract: every operation may run on any thread; each access to the shared area holds
// the named relay mutex. Where the command mutex is also needed, it is taken first.
#pragma once

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

    // Opens or creates the mutex and the mapping; a new mapping is zero-filled. When the mapping
    // cannot be had, the reason goes to stderr and the relay writes nothing from then on.
    explicit DarcRelay(const std::string& mappingName = kMappingName,
                       const std::string& mutexName = kMutexName);
    ~DarcRelay() override;

    bool IsMapped() const { return memory_.isOpen(); }
    bool Created() const { return memory_.created(); }

    void Reset();
    // Appends one frame of kFrameBytes bytes.
    void Write(const uint8_t* bytes);
    // A different frequency empties the ring first; the same one changes nothing.
    void SetFrequency(int32_t hz);
    void SetProducer(int32_t present);
    // One watchdog tick: count, then sleep kTickMs (less when the thread is stopping).
    void Watch();
    // The counting half of a tick.
    void WatchTick();
    int32_t IdleTicks() const { return idleTicks_.get(); }

  protected:
    void Turn() override { Watch(); }

  private:
    uint32_t word(Word w) const;
    void setWord(Word w, uint32_t value);
    void resetLocked();

    platform::NamedMutex mutex_;
    platform::SharedMemory memory_;
    Relaxed<int32_t> idleTicks_{0};
};

}  // namespace quillon
