#include <gtest/gtest.h>

#include "core/clsCounter.h"
#include "core/clsTick.h"
#include "platform/tick_count.h"

namespace {

using corvell::clsCounter;
using corvell::clsTick;

uint32_t g_now = 0;
uint32_t fakeNow() {
    return g_now;
}

class Tick : public ::testing::Test {
  protected:
    Tick() { platform::setTickSource(&fakeNow); }
    ~Tick() override { platform::setTickSource(nullptr); }
};

TEST_F(Tick, CountsDownAndStaysAtZero) {
    g_now = 1000;
    clsTick t;
    EXPECT_EQ(t.counter(), 0);  // never armed
    t.setCounter(3000);
    EXPECT_EQ(t.counter(), 3000);
    g_now += 2999;
    EXPECT_EQ(t.counter(), 1);
    g_now += 1;
    EXPECT_EQ(t.counter(), 0);
    g_now -= 1000;  // even if the clock seemed to go back, the countdown stays run out
    EXPECT_EQ(t.counter(), 0);
    t.setCounter(500);  // re-arming restarts
    g_now += 200;
    EXPECT_EQ(t.counter(), 300);
}

TEST_F(Tick, ZeroOrNegativeDurationIsUpAtOnce) {
    g_now = 5;
    for (int32_t ms : {0, -1, INT32_MIN}) {
        clsTick t;
        t.setCounter(ms);
        EXPECT_EQ(t.counter(), 0) << ms;
    }
}

TEST_F(Tick, SurvivesTheWrapOfTheTickCount) {
    for (uint32_t wrapAt : {0x80000000u, 0u}) {
        g_now = wrapAt - 100;
        clsTick t;
        t.setCounter(3000);
        g_now = wrapAt + 100;
        EXPECT_EQ(t.counter(), 2800) << wrapAt;
    }
}

TEST_F(Tick, ElapsedBeyondHalfTheRangeIsTimeUp) {
    g_now = 0;
    clsTick t;
    t.setCounter(INT32_MAX);
    g_now = 0x80000000u;
    EXPECT_EQ(t.counter(), 0);
}

TEST(Counter, BoundedToNineThousandNineHundredNinetyNine) {
    clsCounter c;
    EXPECT_EQ(c.value(), 0);
    EXPECT_EQ(c.up(), 1);
    c.setValue(10000);
    EXPECT_EQ(c.value(), 1);
    c.setValue(-1);
    EXPECT_EQ(c.value(), 1);
    c.setValue(9998);
    EXPECT_EQ(c.up(), 9999);
    EXPECT_EQ(c.up(), 9999);
    c.setValue(0);
    EXPECT_EQ(c.value(), 0);
}

}  // namespace
