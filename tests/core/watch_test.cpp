// Timer1 and the link watch: the first tick after power-on, the connection and line watches.
#include "core/objEDGES.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

class WatchTest : public RxTest {
  protected:
    WatchTest() { load(); }
    void tick() { rx->Timer1_Timer(); }
};

TEST_F(WatchTest, TicksBeforePowerOnDoNothing) {
    rs.clear();
    for (int i = 0; i < 5; ++i) {
        clock.advance(100);
        tick();
    }
    EXPECT_TRUE(rs.calls.empty());
    EXPECT_EQ(rx->Timer1Interval(), frmTesselbase::kFirstTimerMs);
    EXPECT_EQ(rx->Error(), 0);
}

TEST_F(WatchTest, FirstTickAfterPowerOnReadsVersionsAndSelectsTheBandEdges) {
    rs.setValue("MatrixVersion", 9);
    rx->PowerOn();
    EXPECT_TRUE(rx->EDGES().isEnabled("GENE"));  // until the receiver has reported
    rs.clear();
    clock.advance(100);
    tick();
    EXPECT_EQ(rx->Timer1Interval(), frmTesselbase::kWatchTimerMs);
    EXPECT_EQ(rs.count("RsGetVerCPU"), 1);
    EXPECT_EQ(rs.count("RsGetVerSCI"), 1);
    EXPECT_EQ(rs.count("RsGetMatrixVersion"), 1);
    EXPECT_TRUE(rx->EDGES().isEnabled("#2FCC"));
    EXPECT_FALSE(rx->EDGES().isEnabled("GENE"));
    rs.clear();
    tick();  // the versions are read once per power-on
    EXPECT_EQ(rs.count("RsGetVerCPU"), 0);
}

TEST_F(WatchTest, AReceiverThatNeverAnswersSetsTheErrorAfterThreeSeconds) {
    rx->PowerOn();
    clock.advance(100);
    tick();
    EXPECT_EQ(rx->Error(), 0);
    clock.advance(2800);  // 2900 ms after power-on
    tick();
    EXPECT_EQ(rx->Error(), 0);
    clock.advance(10000);
    tick();
    EXPECT_EQ(rx->Error(), 1);
    clock.advance(10000);
    tick();
    EXPECT_EQ(rx->Error(), 1);  // the watch never clears it
    rx->setError(0);
    EXPECT_EQ(rx->Error(), 0);
    rx->PowerOn();
    EXPECT_EQ(rx->Error(), 0);
}

TEST_F(WatchTest, LinkedWithCtsUpStaysWellAndCtsDownSetsTheErrorAtTheNextTick) {
    rx->PowerOn();
    rs.setValue("PowerOnStat", 1);
    rs.setValue("ComportCTSstat", 1);
    for (int i = 0; i < 4; ++i) {
        clock.advance(10000);
        tick();
    }
    EXPECT_EQ(rx->Error(), 0);
    EXPECT_EQ(rx->LinkStat(), kLinkStatLinked);
    rs.setValue("ComportCTSstat", 0);
    clock.advance(10000);
    tick();
    EXPECT_EQ(rx->Error(), 1);
}

TEST_F(WatchTest, CtsDownSoonAfterItWasUpWaitsForTheCountdown) {
    rx->PowerOn();
    rs.setValue("PowerOnStat", 1);
    rs.setValue("ComportCTSstat", 1);
    tick();
    rs.setValue("ComportCTSstat", 0);
    clock.advance(1000);
    tick();
    EXPECT_EQ(rx->Error(), 0);
    clock.advance(2500);
    tick();
    EXPECT_EQ(rx->Error(), 1);
}

TEST_F(WatchTest, AShorterWatchPeriodCatchesCtsDownAtTheTickAfterTheLastOneThatFoundItUp) {
    for (const int period : {1000, 2000, 6000, frmTesselbase::kWatchTimerMs, 30000}) {
        SCOPED_TRACE(period);
        rx->setWatchPeriodMs(period);
        rx->PowerOn();
        rs.setValue("PowerOnStat", 1);
        rs.setValue("ComportCTSstat", 1);
        tick();  // the first tick goes over to the watch period
        EXPECT_EQ(rx->Timer1Interval(), period);
        for (int i = 0; i < 3; ++i) {
            clock.advance(static_cast<uint32_t>(period));
            tick();
        }
        EXPECT_EQ(rx->Error(), 0);
        rs.setValue("ComportCTSstat", 0);
        clock.advance(static_cast<uint32_t>(period));
        tick();
        EXPECT_EQ(rx->Error(), 1);
        EXPECT_EQ(rx->linkHoldMs(), std::min(frmTesselbase::kLinkWaitMs, period / 2));
        rx->PowerOff();
    }
    rx->setWatchPeriodMs(4000);  // taken at once by a watch that runs already
    EXPECT_EQ(rx->Timer1Interval(), 4000);
}

TEST_F(WatchTest, ASecondPowerOnKeepsTheLongIntervalAndWatchesOnlyWhilePowered) {
    rx->PowerOn();
    tick();
    rx->PowerOff();
    EXPECT_EQ(rs.count("RsPowerOff"), 1);
    clock.advance(20000);
    tick();
    EXPECT_EQ(rx->Error(), 0);  // off: no watch
    rx->PowerOn();
    rs.clear();
    EXPECT_EQ(rx->Timer1Interval(), frmTesselbase::kWatchTimerMs);
    clock.advance(10000);
    tick();
    EXPECT_EQ(rs.count("RsGetMatrixVersion"), 1);
    EXPECT_EQ(rx->Error(), 1);  // still no reply 10 s after this power-on
}

}  // namespace
}  // namespace corvell::test
