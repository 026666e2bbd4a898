#include "platform/tick_count.h"

#include <gtest/gtest.h>

namespace {

uint32_t g_fakeNow = 0;
uint32_t fakeTicks() {
    return g_fakeNow;
}

TEST(TickCount, AdvancesWithRealTime) {
    const uint32_t start = platform::tickCount();
    platform::sleepMs(20);
    const uint32_t elapsed = platform::tickCount() - start;  // wraps like the callers' maths
    EXPECT_GE(elapsed, 20u);
    EXPECT_LT(elapsed, 5000u);
}

TEST(TickCount, InjectedSourceReplacesTheClockUntilRemoved) {
    g_fakeNow = 0xFFFFFFF0u;
    platform::setTickSource(&fakeTicks);
    EXPECT_EQ(platform::tickCount(), 0xFFFFFFF0u);
    g_fakeNow += 0x20;  // wraps
    EXPECT_EQ(platform::tickCount(), 0x10u);
    platform::setTickSource(nullptr);
    EXPECT_NE(platform::tickCount(), 0x10u);
}

}  // namespace
