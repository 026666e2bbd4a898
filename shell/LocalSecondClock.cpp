#include "shell/LocalSecondClock.h"

#include <QDateTime>

namespace corvell::shell {
namespace {

constexpr int64_t kMsPerDay = 86400000;

int64_t systemWorldClock() {
    return QDateTime::currentMSecsSinceEpoch();
}

int32_t systemZoneOffset(int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime).offsetFromUtc();
}

}  // namespace

LocalSecondClock::LocalSecondClock(WorldClock world, ZoneOffset zone)
    : world_(world ? std::move(world) : &systemWorldClock),
      zone_(zone ? std::move(zone) : &systemZoneOffset) {}

int32_t LocalSecondClock::operator()() {
    const int64_t ms = world_();
    // The same rounding as the local second below, so both turn at the same instant.
    const int64_t worldSecond = (ms + 500) / 1000;
    if (worldSecond != lastWorldSecond_) {
        lastWorldSecond_ = worldSecond;
        offsetSeconds_ = zone_(ms);
    }
    int64_t ofDay = (ms + int64_t{offsetSeconds_} * 1000) % kMsPerDay;
    if (ofDay < 0) ofDay += kMsPerDay;
    return static_cast<int32_t>((ofDay + 500) / 1000);
}

}  // namespace corvell::shell
