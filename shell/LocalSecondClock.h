// The whole second of the local time of day, read as often as the heartbeat likes at the cost of
// the world clock alone. Reading the local time looks up the time zone, which is a file-system
// call; the local clock turns to the next second at the same instants as the world clock (zone
// offsets are whole seconds), so the offset is looked up again only when the world clock's
// second has changed.
// Thread contract: one thread per object.
#pragma once

#include <cstdint>
#include <functional>

namespace corvell::shell {

class LocalSecondClock {
  public:
    // Milliseconds since the epoch, UTC.
    using WorldClock = std::function<int64_t()>;
    // The local zone's offset from UTC in seconds at an instant (ms since the epoch).
    using ZoneOffset = std::function<int32_t(int64_t)>;

    // Both default to the system's.
    explicit LocalSecondClock(WorldClock world = {}, ZoneOffset zone = {});

    // Seconds since local midnight, rounded to the nearest whole second (0..86400).
    int32_t operator()();

  private:
    WorldClock world_;
    ZoneOffset zone_;
    int64_t lastWorldSecond_ = INT64_MIN;
    int32_t offsetSeconds_ = 0;
};

}  // namespace corvell::shell
