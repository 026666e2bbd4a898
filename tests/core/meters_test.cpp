// Meters, status, power and sends: S-meter smoothing and hold, busy while the scope sweeps,
// the receive-error settling, versions and band edges, the scan command, option units.
#include <stdlib.h>

#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/objEDGES.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

class MetersTest : public RxTest {
  protected:
    MetersTest() {
        load();
        rs.clear();
    }
};

TEST_F(MetersTest, PowerLetActsOnlyOnAChange) {
    rx->setPower(1);
    rx->setPower(1);
    EXPECT_EQ(rs.count("RsPowerOn"), 1);
    EXPECT_EQ(rx->Power(), 1);
    rx->setPower(0);
    rx->setPower(0);
    EXPECT_EQ(rs.count("RsPowerOff"), 1);
    EXPECT_EQ(rx->Power(), 0);
}

TEST_F(MetersTest, LinkStatFollowsThePowerOnState) {
    EXPECT_EQ(rx->LinkStat(), 8);
    rs.setValue("PowerOnStat", 1);
    EXPECT_EQ(rx->LinkStat(), 6);
}

TEST_F(MetersTest, SmoothingFollowsASteadySignal) {
    rs.setValue("PowerOnStat", 1);
    rs.setValue("Smeter", 100);
    const int expected[] = {50, 85, 100};
    for (int s : expected) {
        rx->UpdateSmeter();
        EXPECT_EQ(rx->SmeterVirtual(), s);
    }
    for (int i = 0; i < 50; ++i) rx->UpdateSmeter();
    EXPECT_NEAR(rx->SmeterVirtual(), 100, 1);  // the damping settles within one step
    rs.setValue("PowerOnStat", 0);             // no reply: the meter sinks to 0
    for (int i = 0; i < 50; ++i) rx->UpdateSmeter();
    EXPECT_EQ(rx->SmeterVirtual(), 0);
}

TEST_F(MetersTest, TheMeterHoldsAtZeroForTwoSecondsAfterPowerOn) {
    rx->PowerOn();
    rs.setValue("PowerOnStat", 1);
    rs.setValue("Smeter", 255);
    for (int t = 0; t < 1950; t += 50) {
        rx->UpdateSmeter();
        clock.advance(50);
    }
    EXPECT_EQ(rx->SmeterVirtual(), 0);
    clock.advance(50);
    rx->UpdateSmeter();
    EXPECT_GT(rx->SmeterVirtual(), 0);
}

TEST_F(MetersTest, WhileBlankTheMeterShowsTheSquelch) {
    rx->setFrequency(0);
    rs.setValue("PowerOnStat", 1);
    rs.setValue("Smeter", 250);
    // From rest, one tick moves half way: raw 144, 208 (clamped from 224) and 0.
    for (const auto& [squelch, first] : {std::pair{200, 72}, {240, 104}, {127, 0}}) {
        frmTesselbase fresh;
        fresh.setFrequency(0);
        rs.setValue("Sql", squelch);
        fresh.UpdateSmeter();
        EXPECT_EQ(fresh.SmeterVirtual(), first) << squelch;
    }
}

TEST_F(MetersTest, BusyFollowsTheLibraryUnlessTheScopeSweepsSingly) {
    rs.setValue("Busy", 1);
    EXPECT_EQ(rx->busy(), 1);
    rx->ScopeDATA().setMode(kScopeSingle);
    rs.setValue("Sql", 140);  // threshold 2 x 140 - 256 = 24
    struct Case {
        int32_t scanStat, smeter, expected;
    };
    for (const Case& c : {Case{1, 200, 0},
                          {3, 200, 0},
                          {5, 200, 0},
                          {16, 22, 1},
                          {16, 21, 0},
                          {0, 25, 1},
                          {0, 24, 0},
                          {2, 25, 0},
                          {6, 25, 1}}) {
        rs.setValue("ScanStat", c.scanStat);
        rs.setValue("Smeter", c.smeter);
        EXPECT_EQ(rx->busy(), c.expected) << c.scanStat << "/" << c.smeter;
    }
}

TEST_F(MetersTest, ReceiveErrorSettlesForHalfASecondAfterAChange) {
    rs.setValue("Rxerr", 1);
    rx->setFrequency(433000000);
    EXPECT_EQ(rx->rxerr(), 0);
    clock.advance(499);
    EXPECT_EQ(rx->rxerr(), 0);
    EXPECT_EQ(rs.count("RsGetRxerr"), 0);
    clock.advance(1);
    EXPECT_EQ(rx->rxerr(), 1);
    rx->setFrequency(0);
    clock.advance(1000);
    EXPECT_EQ(rx->rxerr(), 0);
    clock.advance(1000);
    EXPECT_EQ(rx->rxerr(), 0);
}

TEST_F(MetersTest, TheCountryCodeSelectsTheBandEdgeTable) {
    struct Case {
        int32_t code;
        int32_t result;
        const char* table;
    };
    for (const Case& c : {Case{9, 9, "#2FCC"},
                          {14, 14, "GENEFCC"},
                          {16, -1, "GENEFCC"},
                          {-1, -1, "GENEFCC"},
                          {3, 3, "#5"},
                          {11, 11, "#5FCC"}}) {
        rs.setValue("MatrixVersion", c.code);
        EXPECT_EQ(rx->MatrixVersion(), c.result) << c.code;
        EXPECT_TRUE(rx->EDGES().isEnabled(c.table)) << c.code;
    }
    // The same code again selects nothing, so a table enabled by hand stays.
    rx->EDGES().enableTable("#7");
    EXPECT_EQ(rx->MatrixVersion(), 11);
    EXPECT_TRUE(rx->EDGES().isEnabled("#7"));
}

// A scan controller with the members the receiver object reads by name.
struct FakeScan {
    int16_t speedValue = 0, speedbaseValue = 0, slow = 0, scanningValue = 0, pauseValue = 0,
            statusValue = 0;
    int16_t speed() const { return speedValue; }
    int16_t speedbase() const { return speedbaseValue; }
    int16_t slow1time() const { return slow; }
    void setSlow1time(int16_t v) { slow = v; }
    int16_t scanning() const { return scanningValue; }
    int16_t pause() const { return pauseValue; }
    int16_t status() const { return statusValue; }
};

TEST_F(MetersTest, ScanCommandFromTheControllersSpeedAndState) {
    rx->SendSCAN();  // no controller yet
    EXPECT_TRUE(rs.calls.empty());

    struct Case {
        int16_t speed, base, slow, scanning, pause;
        int32_t sent;
    };
    FakeScan scan;
    rx->setScanObj(&scan);
    EXPECT_EQ(rx->ScanObjAs<FakeScan>(), &scan);
    for (const Case& c : {Case{90, 60, 0, 1, 0, 255},
                          {10, 0, 1, 1, 0, 228},
                          {10, 0, 0, 1, 0, 138},
                          {50, 50, 1, 1, 0, 228},
                          {10, 0, 0, 1, 1, 0},
                          {10, 0, 1, 0, 0, 0}}) {
        scan = FakeScan{c.speed, c.base, c.slow, c.scanning, c.pause, 0};
        rs.clear();
        rx->SendSCAN();
        EXPECT_EQ(rs.sends(), (std::vector<QuillonCall>{{"RsSendScan", {c.sent}}}))
            << c.speed << "+" << c.base;
        EXPECT_EQ(scan.slow, 0);
    }
    rx->setScanObj(nullptr);
    EXPECT_EQ(rx->ScanObj(), nullptr);
}

TEST_F(MetersTest, ScopeSendsTakeTheLevelBuffersParameters) {
    clsScopeDATA& data = rx->ScopeDATA();
    data.setMode(kScopeContinuous);
    data.setBwidth(80);
    data.setSpeed(5);
    data.setTs(2500);
    rx->SendSCOPE();
    rx->ScopeSTAT().setPause(1);
    rx->SendSCOPE();
    rx->SendSCOPEOFF();
    rx->SendOneShotAfMute(900);
    rx->SendFreq();
    const std::vector<QuillonCall> expected = {{"RsSendScope", {1, 80, 5, 2500}},
                                               {"RsSendScope", {0, 80, 5, 2500}},
                                               {"RsSendScope", {0, 80, 5, 2500}},
                                               {"RsSendOneShotAfMute", {900}},
                                               {"RsSendFreq", {}}};
    EXPECT_EQ(rs.sends(), expected);
}

TEST_F(MetersTest, DspSwitchesAndOptionUnits) {
    rx->setDspUnitOn(true);
    rx->setDspUnitOn(false);
    rx->setDspOn(true);
    rx->setDspAn(true);
    rx->setDspNr(16);
    const std::vector<QuillonCall> expected = {{"RsSetDspUnitOn", {1}},
                                               {"RsSetDspUnitOn", {0}},
                                               {"RsSetDspOn", {1}},
                                               {"RsSetDspAn", {1}},
                                               {"RsSetDspNr", {16}}};
    EXPECT_EQ(rs.sends(), expected);

    EXPECT_EQ(rx->DSPUsable(), 1);  // 255 until the receiver has reported
    rs.setValue("UnitOption", 16);
    rx->MyOptionUpdate();
    EXPECT_EQ(rx->DSPUsable(), 0);
    // The locale is read with the options.
    ::setenv("LC_ALL", "C", 1);
    rx->MyOptionUpdate();
    EXPECT_EQ(rx->DarcUsable(), 0);
    ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(rx->DarcUsable(), 0);
    rx->MyOptionUpdate();
    EXPECT_EQ(rx->DarcUsable(), 16);
    rs.setValue("UnitOption", 1);
    rx->MyOptionUpdate();
    EXPECT_EQ(rx->DarcUsable(), 0);
    EXPECT_EQ(rx->DSPUsable(), 1);
    ::unsetenv("LC_ALL");
}

TEST_F(MetersTest, DisplayRequest) {
    EXPECT_FALSE(rx->DispReq());
    rx->SetDispReq();
    EXPECT_TRUE(rx->DispReq());
    rx->setDispReq(false);
    EXPECT_FALSE(rx->DispReq());
}

}  // namespace
}  // namespace corvell::test
