// The automatic memory-write scan: its bank, the duplicate rule and a bank that fills up.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/ReceiverCodes.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

using ::testing::ElementsAre;

class AutoWrite : public ScanTest {
  protected:
    AutoWrite() { scan.setAutobank(5); }
    static constexpr int16_t kBank = 4;

    // Fills channels 0..n-1 of the auto-write bank with frequencies far from the scan range.
    void fill(int n) {
        for (int16_t ch = 0; ch < n; ++ch) setChannel(kBank, ch, 400000000 + ch * 100000);
    }
};

TEST_F(AutoWrite, StartsInTheChosenBankOnItsFirstBlankChannel) {
    fill(3);
    memory.setActiveBank(0);
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(memory.ActiveBank(), kBank);
    EXPECT_EQ(memory.ActiveCh(), 3);
    EXPECT_EQ(scan.condition(1), "Auto MW SCAN");
}

TEST_F(AutoWrite, ASignalIsWrittenWhenItEndsAndTheScanMovesOn) {
    scan.setDelaytype(0);
    setRow(1, 118000000, 137000000, "AM", "6k", "25kHz", 1);
    ASSERT_TRUE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
    rx.setCtcss(12);
    feed(16);
    ASSERT_EQ(scan.busyStop(), 1);
    feed(1);
    const clsMchDATA& rec = memory.chData(kBank, 0);
    EXPECT_EQ(rec.lngFreq(), 118000000);
    EXPECT_EQ(rec.name1(), "NONAME          ");
    EXPECT_EQ(rec.ModeText(), "AM");
    EXPECT_EQ(rec.FilterText(), "6k");
    EXPECT_EQ(rec.intAtt(), 1);
    EXPECT_EQ(rec.intTsql(), 12);
    EXPECT_EQ(rec.intTag(), 0);
    EXPECT_EQ(rec.intSkip(), 0);
    EXPECT_TRUE(memory.MemoryChanged());
    EXPECT_EQ(rx.Frequency(), 118025000);
    EXPECT_EQ(scan.scanning(), 1);
}

TEST_F(AutoWrite, DelayTypeTwoWritesTheSignalThenStops) {
    scan.setDelaytype(2);
    fill(2);
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
    feed(16);
    EXPECT_EQ(memory.chData(kBank, 2).lngFreq(), 118000000);
    EXPECT_EQ(memory.chData(kBank, 2).name1(), "NONAME          ");
    EXPECT_EQ(scan.scanning(), 0);
}

TEST_F(AutoWrite, AFrequencyInTheSame100HzBlockCountsAsStored) {
    // Stored frequency, tuned frequency, whether a signal there stops the scan.
    const struct {
        int32_t stored, tuned;
        bool stops;
    } cases[] = {
        {118000050, 118000000, false},  // 50 Hz away, same block: moves on
        {118000099, 118000000, false},
        {118000095, 118000105, true},  // 10 Hz apart across a multiple of 100 Hz
        {118000100, 118000000, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tuned);
        scan.scan_stop();
        scan.continus_reset();
        memory.allclear(kBank);
        setChannel(kBank, 0, c.stored);
        setRow(1, c.tuned, c.tuned + 1000000);
        ASSERT_TRUE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
        feed(16);
        EXPECT_EQ(scan.busyStop() == 1, c.stops);
        EXPECT_EQ(rx.Frequency() != c.tuned, !c.stops);
    }
}

TEST_F(AutoWrite, StatusThreeMovesOnOnlyOverAStoredFrequency) {
    setChannel(kBank, 0, 118020000);
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
    feed(3);
    EXPECT_EQ(rx.Frequency(), 118000000);  // not stored: wait
    feed(1);
    EXPECT_EQ(rx.Frequency(), 118020000);
    feed(3);
    EXPECT_EQ(rx.Frequency(), 118040000);  // stored: move on
}

TEST_F(AutoWrite, AFullBankRefusesTheStart) {
    fill(50);
    setRow(1, 118000000, 137000000);
    EXPECT_FALSE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(scan.continueFlag(), 0);
}

TEST_F(AutoWrite, TheScanStopsWhenTheLastBlankChannelHasBeenWritten) {
    fill(49);  // channel 49 is the last blank one
    scan.setDelaytype(0);
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(memory.ActiveCh(), 49);
    feed(16);
    clearLog();
    feed(1);
    EXPECT_EQ(memory.chData(kBank, 49).lngFreq(), 118000000);
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(rx.Frequency(), 118000000);
    EXPECT_THAT(sends({"H8", "ScanRx"}), ElementsAre("H800"));
    for (int16_t ch = 0; ch < 49; ++ch) {
        EXPECT_EQ(memory.chData(kBank, ch).lngFreq(), 400000000 + ch * 100000);
    }
}

TEST_F(AutoWrite, ABankFilledWhileStoppedOnASignalEndsTheScanOnce) {
    fill(49);
    scan.setDelaytype(0);
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
    feed(16);
    setChannel(kBank, 49, 433000000);  // the last blank channel is taken meanwhile
    advance(2000);                     // and the restart delay is over
    clearLog();
    feed(1);
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_THAT(sends({"H8", "SendFreq", "ScanRx"}), ElementsAre("H800", "SendFreq"));
    EXPECT_EQ(memory.chData(kBank, 49).lngFreq(), 433000000);
}

TEST_F(AutoWrite, OnlyBanksThatExistCanBeChosen) {
    scan.setAutobank(0);
    EXPECT_EQ(scan.autobank(), 1);
    scan.setAutobank(21);
    EXPECT_EQ(scan.autobank(), 20);
    scan.setAutobank(1);
    setRow(1, 118000000, 137000000);
    scan.setDelaytype(2);
    ASSERT_TRUE(scan.scan_start(kScanAutoWrite, frmSCANctrl::kProgramTrue));
    feed(16);
    EXPECT_EQ(memory.chData(0, 0).lngFreq(), 118000000);
}

TEST_F(AutoWrite, OtherScanKindsWriteNothing) {
    scan.setDelaytype(2);
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    feed(16);
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_FALSE(memory.MemoryChanged());
    EXPECT_TRUE(memory.chk_blank(kBank, 0));
}

}  // namespace
}  // namespace corvell
