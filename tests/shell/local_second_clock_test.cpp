// The local second of day the link check reads on every heartbeat tick: the time zone is looked
// up once per second of the world clock, never on the ticks between, and the seconds it gives
// are those of the local time, across midnight and a change of the zone's offset.
#include <gtest/gtest.h>

#include <vector>

#include "shell/LocalSecondClock.h"

namespace corvell::shell {
namespace {

constexpr int64_t kDay = 86400000;

struct Clocks {
    int64_t ms = 0;
    int32_t offset = 0;
    std::vector<int64_t> lookups;
    LocalSecondClock clock{[this] { return ms; },
                           [this](int64_t at) {
                               lookups.push_back(at);
                               return offset;
                           }};
};

TEST(LocalSecondClock, LooksTheZoneUpOncePerSecondNotOnEveryTick) {
    Clocks c;
    c.ms = 20000 * kDay + 3600000 + 100;  // 01:00:00.100 UTC
    c.offset = 3600;
    std::vector<int32_t> seconds;
    for (int tick = 0; tick < 60; ++tick, c.ms += 50) seconds.push_back(c.clock());
    // Three seconds of 50 ms ticks (rounded at the half second: ...:00, :01, :02, :03).
    EXPECT_EQ(c.lookups.size(), 4u);
    EXPECT_EQ(seconds.front(), 7200);  // 02:00:00 local
    EXPECT_EQ(seconds.back(), 7203);
    for (std::size_t i = 1; i < seconds.size(); ++i) {
        EXPECT_LE(seconds[i] - seconds[i - 1], 1) << i;
        EXPECT_GE(seconds[i] - seconds[i - 1], 0) << i;
    }
}

TEST(LocalSecondClock, GivesTheLocalSecondAcrossMidnightAndAnOffsetChange) {
    struct Row {
        int64_t ms;
        int32_t offset;
        int32_t second;
    } rows[] = {
        {20000 * kDay + 499, 0, 0},                         // rounds down to midnight
        {20000 * kDay + 500, 0, 1},                         // and up from the half second
        {20000 * kDay + 1800000, -7200, 81000},             // 00:30 UTC is 22:30 the day before
        {20000 * kDay + kDay - 400, 0, 86400},              // the last half second of the day
        {20000 * kDay + 5 * 3600000, 19800, 37800},         // +05:30
        {20000 * kDay + 5 * 3600000 + 1000, 23400, 41401},  // the zone moved on a second later
    };
    Clocks c;
    for (const Row& r : rows) {
        c.ms = r.ms;
        c.offset = r.offset;
        EXPECT_EQ(c.clock(), r.second) << r.ms;
    }
}

}  // namespace
}  // namespace corvell::shell
