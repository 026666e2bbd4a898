// What a scan does on a found signal: the delay types, the restart delays and the delay timer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/ReceiverCodes.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

using ::testing::ElementsAre;

class FoundSignal : public ScanTest {
  protected:
    // A program scan from 118 MHz, stopped on a signal at its start frequency.
    void stopOnSignal(int16_t delaytype, int16_t restartdelay, int16_t delaytime = 0) {
        scan.setDelaytype(delaytype);
        scan.setRestartdelay(restartdelay);
        scan.setDelaytime(delaytime);
        setRow(1, 118000000, 137000000);
        ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
        rx.setAfgain(128);
        signal(true);
        feed(16);
        ASSERT_EQ(scan.busyStop(), 1);
        clearLog();
    }
    bool movedOn() { return rx.Frequency() != 118000000; }
};

TEST_F(FoundSignal, DelayTimeIsWorkedOutIn32Bits) {
    EXPECT_EQ(frmSCANctrl::DelayMs(0), 1000);
    EXPECT_EQ(frmSCANctrl::DelayMs(10), 3900);
    EXPECT_EQ(frmSCANctrl::DelayMs(100), 30000);
    EXPECT_EQ(frmSCANctrl::DelayMs(32767), 9503430);
    EXPECT_EQ(frmSCANctrl::DelayMs(-32768), -9501720);
}

TEST_F(FoundSignal, DelayTypeOneStopsForTheDelayTimeEvenWhileTheSignalStays) {
    stopOnSignal(1, 2, 10);
    EXPECT_EQ(scan.delayRemaining(), 3900);
    EXPECT_EQ(scan.condition(0), "Busy Stop");
    for (int t = 0; t < 3800; t += 100) {
        advance(100);
        tick();
    }
    advance(99);
    tick();
    EXPECT_FALSE(movedOn());
    advance(1);
    tick();
    EXPECT_TRUE(movedOn());
    EXPECT_EQ(scan.busyStop(), 0);
    EXPECT_EQ(scan.condition(0), "");
    // Moving on past a signal mutes the audio around the slow restart sweep.
    EXPECT_THAT(sends({"afgain", "H8"}), ElementsAre("afgain 0", "H8E4", "afgain 128"));
}

TEST_F(FoundSignal, AChangedDelayTimeRearmsTheDelayTimer) {
    stopOnSignal(1, 2, 10);
    advance(3000);
    scan.setDelaytime(10);  // unchanged: the running delay stays
    EXPECT_EQ(scan.delayRemaining(), 900);
    scan.setDelaytime(20);
    EXPECT_EQ(scan.delayRemaining(), 6800);
}

TEST_F(FoundSignal, DelayTypeZeroWaitsForTheSignalToGoThenTheRestartDelay) {
    // Milliseconds without the signal after which each restart delay moves the scan on.
    const struct {
        int16_t restartdelay;
        uint32_t after;
    } cases[] = {{0, 1}, {1, 1001}, {2, 2000}, {9, 2000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.restartdelay);
        scan.scan_stop();
        scan.continus_reset();
        stopOnSignal(0, c.restartdelay);
        for (int i = 0; i < 100; ++i) {  // a long signal never moves the scan on
            advance(100);
            tick();
        }
        ASSERT_FALSE(movedOn());
        signal(false);  // last seen at the tick before
        advance(c.after - 1);
        tick();
        EXPECT_FALSE(movedOn());
        advance(1);
        tick();
        EXPECT_TRUE(movedOn());
    }
}

TEST_F(FoundSignal, WithVoiceSquelchOnlyAnOpenAudioCountsAsASignal) {
    stopOnSignal(0, 2);
    rs.setValue("Vsc", 1);
    rs.setValue("Afopen", 1);
    advance(1500);
    tick();  // still present: the restart delay starts again
    rs.setValue("Afopen", 0);
    advance(1999);
    tick();
    EXPECT_FALSE(movedOn());
    advance(1);
    tick();
    EXPECT_TRUE(movedOn());
}

TEST_F(FoundSignal, TheEndOfTheSignalReportMovesOnAtOnce) {
    stopOnSignal(0, 2);
    feed(1);
    EXPECT_TRUE(movedOn());
    EXPECT_EQ(scan.busyStop(), 0);
}

TEST_F(FoundSignal, DelayTypeTwoStopsTheScan) {
    scan.setDelaytype(2);
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    clearLog();
    feed(16);
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(rx.Frequency(), 118000000);
    EXPECT_THAT(sends({"H8"}), ElementsAre("H800"));
}

TEST_F(FoundSignal, StatusWritesWhileStoppedOnASignalWaitForTheHeartbeat) {
    stopOnSignal(0, 2);
    scan.setStatus(1);  // stored only
    EXPECT_FALSE(movedOn());
    EXPECT_EQ(scan.status(), 1);
    tick();
    EXPECT_TRUE(movedOn());
}

}  // namespace
}  // namespace corvell
