// The scope sweep controller: states, sends, the sweep timer and the level polling.
#include <set>

#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/frmScopeCtrl.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

struct FakeScan {
    int16_t scanningValue = 0, pauseValue = 0, statusValue = 0;
    int16_t speed() const { return 10; }
    int16_t speedbase() const { return 0; }
    int16_t slow1time() const { return 0; }
    void setSlow1time(int16_t) {}
    int16_t scanning() const { return scanningValue; }
    int16_t pause() const { return pauseValue; }
    int16_t status() const { return statusValue; }
};

class ScopeCtrlTest : public RxTest {
  protected:
    ScopeCtrlTest() {
        load();
        data().setBwidth(80);
        data().setSpeed(5);
        data().setTs(5000);
        rx->setModeText("FM");
        ctrl().SendCheck();  // settle: the parameters have been sent once
        rs.clear();
    }
    clsScopeDATA& data() { return rx->ScopeDATA(); }
    clsScopeSTAT& stat() { return rx->ScopeSTAT(); }
    frmScopeCtrl& ctrl() { return rx->ScopeCtrl(); }
    int scopeSends() { return rs.count("RsSendScope"); }
    void linked() {
        rx->PowerOn();
        rs.setValue("PowerOnStat", 1);
    }
};

TEST_F(ScopeCtrlTest, ScopeOffStaysOffAndSendsNothingFurther) {
    EXPECT_EQ(ctrl().ActMode(), frmScopeCtrl::kStateOff);
    clock.advance(1000);
    EXPECT_FALSE(ctrl().SendCheck());
    EXPECT_EQ(scopeSends(), 0);
}

TEST_F(ScopeCtrlTest, ContinuousSweepInFmSendsOnce) {
    data().setMode(kModeUSB);
    EXPECT_TRUE(ctrl().SendCheck());
    EXPECT_EQ(ctrl().ActMode(), frmScopeCtrl::kStateContinuous);
    EXPECT_TRUE(ctrl().StatMode());
    EXPECT_FALSE(ctrl().StatModeSSB());
    const std::vector<QuillonCall> expected = {{"RsSendOneShotAfMute", {0}},
                                               {"RsSendScope", {1, 80, 5, 5000}}};
    EXPECT_EQ(rs.sends(), expected);
    EXPECT_EQ(stat().CenterFreq(), 145000000);
    for (int i = 0; i < 5; ++i) {
        clock.advance(800);
        EXPECT_FALSE(ctrl().SendCheck());
    }
    EXPECT_EQ(scopeSends(), 1);
}

TEST_F(ScopeCtrlTest, SingleSweepsRepeatEverySweepTimeWithAfMute) {
    data().setMode(kModeUSB);
    ctrl().SendCheck();
    rs.clear();
    rx->setModeText("USB");
    clock.advance(800);  // the timer of the continuous state has run out
    EXPECT_TRUE(ctrl().SendCheck());
    EXPECT_EQ(ctrl().ActMode(), frmScopeCtrl::kStateSingle);
    EXPECT_EQ(data().mode(), kModeAM);
    EXPECT_EQ(ctrl().SweepTime(), 800);  // (5 + 5) x 80
    ASSERT_EQ(rs.count("RsSendOneShotAfMute"), 1);
    EXPECT_EQ(rs.callsTo("RsSendOneShotAfMute")[0].args[0], 900);
    EXPECT_EQ(rs.callsTo("RsSendScope").back(), (QuillonCall{"RsSendScope", {2, 80, 5, 5000}}));
    rs.clear();
    clock.advance(799);
    EXPECT_FALSE(ctrl().SendCheck());
    EXPECT_EQ(scopeSends(), 0);
    clock.advance(1);
    EXPECT_FALSE(ctrl().SendCheck());
    EXPECT_EQ(scopeSends(), 1);
}

TEST_F(ScopeCtrlTest, ShortSweepsStillTakeTheLeastTime) {
    data().setBwidth(10);
    data().setMode(kModeUSB);
    rx->setModeText("CW");
    clock.advance(800);
    ctrl().SendCheck();
    EXPECT_EQ(ctrl().SweepTime(), 150);
}

TEST_F(ScopeCtrlTest, ASsbScanTogglesBetweenOffAndWaitingOnASignal) {
    FakeScan scan{1, 0, 2};
    rx->setScanObj(&scan);
    data().setMode(kModeUSB);
    rx->setModeText("LSB");
    clock.advance(800);
    ctrl().SendCheck();
    EXPECT_EQ(ctrl().ActMode(), frmScopeCtrl::kStateScanOff);
    EXPECT_EQ(rs.sends().back(), (QuillonCall{"RsSendScope", {0, 80, 5, 5000}}));
    EXPECT_EQ(rs.count("RsSendOneShotAfMute"), 0);

    scan.statusValue = 16;
    rs.clear();
    clock.advance(1000);
    EXPECT_TRUE(ctrl().SendCheck());
    EXPECT_EQ(ctrl().ActMode(), frmScopeCtrl::kStateSingle);
    EXPECT_EQ(ctrl().SweepTime(), (5 + 15) * 80);
    EXPECT_EQ(rs.sends().back(), (QuillonCall{"RsSendScope", {2, 80, 5, 5000}}));

    scan.pauseValue = 1;  // a paused scan counts as no scan
    scan.statusValue = 2;
    ctrl().SendCheck();
    EXPECT_EQ(ctrl().ActMode(), frmScopeCtrl::kStateSingle);
    rx->setScanObj(nullptr);
}

TEST_F(ScopeCtrlTest, AFrequencyChangeWhilePausedResendsOnceReleased) {
    data().setMode(kModeUSB);
    ctrl().SendCheck();
    stat().setPause(1);
    ctrl().SendCheck();
    EXPECT_EQ(ctrl().ActMode(), frmScopeCtrl::kStatePaused);
    rs.clear();
    rx->setFrequency(145100000);
    EXPECT_FALSE(ctrl().SendCheck());
    EXPECT_EQ(ctrl().ResendReq, 1);
    EXPECT_EQ(scopeSends(), 0);
    stat().setPause(0);
    data().setSCOPE_buff(130, 50);
    EXPECT_TRUE(ctrl().SendCheck());
    EXPECT_EQ(ctrl().ResendReq, 0);
    EXPECT_EQ(scopeSends(), 1);
    EXPECT_EQ(data().SCOPE_buff_WoFlag(130), 0);  // cleared for the new sweep
}

TEST_F(ScopeCtrlTest, AParameterChangeWhilePausedResendsAndReleasesThePause) {
    data().setMode(kModeUSB);
    ctrl().SendCheck();
    stat().setPause(1);
    ctrl().SendCheck();
    rs.clear();
    stat().setTsLimit(1);
    EXPECT_TRUE(ctrl().SendCheck());
    EXPECT_EQ(stat().pause(), 0);
    EXPECT_EQ(scopeSends(), 1);
}

TEST_F(ScopeCtrlTest, AStepChangeAloneReachesTheReceiver) {
    data().setMode(kModeUSB);
    ctrl().SendCheck();
    rs.clear();
    data().setTs(2500);
    EXPECT_TRUE(ctrl().SendCheck());
    EXPECT_EQ(rs.sends().back(), (QuillonCall{"RsSendScope", {1, 80, 5, 2500}}));
    rs.clear();
    stat().setWFMmoni(0);
    rx->setModeText("WFM");
    ctrl().SendCheck();  // WFM flag 0 as before: nothing to resend
    EXPECT_EQ(scopeSends(), 0);
    stat().setWFMmoni(1);
    EXPECT_TRUE(ctrl().SendCheck());
    EXPECT_EQ(scopeSends(), 1);
}

TEST_F(ScopeCtrlTest, TheLinkComingUpCountsAsAChange) {
    data().setMode(kModeUSB);
    ctrl().SendCheck();
    rs.clear();
    linked();
    EXPECT_TRUE(ctrl().SendCheck());
    EXPECT_FALSE(ctrl().SendCheck());
}

TEST_F(ScopeCtrlTest, SweepTimeIsWorkedOutInThirtyTwoBits) {
    data().setSpeed(200);
    data().setBwidth(255);
    data().setMode(kModeUSB);
    clock.advance(1000);
    ctrl().SendCheck();
    clock.advance(1000);
    ctrl().SendCheck();
    EXPECT_EQ(ctrl().SweepTime(), 205 * 255);
}

class ScopePollTest : public ScopeCtrlTest {
  protected:
    ScopePollTest() {
        linked();
        data().setMode(kModeUSB);
        for (int i = 0; i < 256; ++i) rs.scope[static_cast<std::size_t>(i)] = i % 200 + 1;
    }
    // The set of indexes polled over `ticks` heartbeat ticks.
    std::set<int> polled(int ticks) {
        std::set<int> seen;
        for (int t = 0; t < ticks; ++t) {
            rs.clear();
            ctrl().Task_exec();
            for (const QuillonCall& c : rs.callsTo("RsGetScopeBuff")) seen.insert(c.args[0]);
        }
        return seen;
    }
};

TEST_F(ScopePollTest, EachTickPollsAtMostAHundredPointsAroundTheCentre) {
    data().setBwidth(200);
    ctrl().Task_exec();
    EXPECT_EQ(rs.count("RsGetScopeBuff"), 100);
    const std::set<int> seen = polled(3);
    EXPECT_EQ(*seen.begin(), 28);
    EXPECT_EQ(*seen.rbegin(), 229);
    EXPECT_EQ(seen.size(), 202u);
    EXPECT_EQ(data().SCOPE_buff_WoFlag(100), rs.scope[100]);
}

TEST_F(ScopePollTest, HalfTheWidthRoundsToEven) {
    for (const auto& [bwidth, h] : {std::pair{21, 10}, {23, 12}, {0, 1}, {1, 1}}) {
        data().setBwidth(bwidth);
        const std::set<int> seen = polled(30);
        EXPECT_EQ(*seen.begin(), 128 - h) << bwidth;
        EXPECT_EQ(*seen.rbegin(), 128 + h + 1) << bwidth;
    }
    data().setBwidth(0);
    rs.clear();
    ctrl().Task_exec();
    EXPECT_EQ(rs.count("RsGetScopeBuff"), 1);  // at least one point per tick
}

TEST_F(ScopePollTest, TheWidestSweepNeverReadsPastTheBuffer) {
    data().setBwidth(255);
    const std::set<int> seen = polled(10);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 256);
}

TEST_F(ScopePollTest, NothingIsPolledWhileOffOrAfterALinkError) {
    rx->setError(1);
    EXPECT_TRUE(polled(2).empty());
    rx->setError(0);
    rx->PowerOff();
    EXPECT_TRUE(polled(2).empty());
}

TEST_F(ScopePollTest, SingleSweepsKeepTheLastLevelForMissingPoints) {
    data().setBwidth(10);
    rx->setModeText("USB");
    rs.scope.fill(0);  // the receiver has reported nothing
    clock.advance(1000);
    ctrl().Task_exec();  // state 2: the buffer was cleared and a sweep started
    ASSERT_EQ(data().mode(), kModeAM);
    polled(3);
    for (int i = 123; i <= 134; ++i) EXPECT_EQ(data().SCOPE_buff_WoFlag(i), 1) << i;
    rs.scope[125] = 90;
    polled(3);
    EXPECT_EQ(data().SCOPE_buff_WoFlag(125), 90);
    rs.scope[125] = 0;
    polled(3);
    EXPECT_EQ(data().SCOPE_buff_WoFlag(125), 90);
}

}  // namespace
}  // namespace corvell::test
