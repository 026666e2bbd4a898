// The panels and a running scan: the scan key starts and stops it, the dial turned during a scan
// changes its direction and skips the stop without retuning, and a key-pad digit stops it.
#include <gtest/gtest.h>

#include "panels/common/PanelScan.h"
#include "panels/tuner/frmTuner.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "tests/panels/PanelFixture.h"
#include "tests/support/program_tuner.h"

namespace corvell::test {
namespace {

class PanelScanTest : public PanelTest {
  protected:
    PanelScanTest() {
        rs.setValue("PowerOnStat", 1);
        rx->PowerOn();
        rx->setFrequency(145000000);
        scan.Init();
        clsMchDATA& row = scan.pchData(1);
        row.setLngFreq(118000000);
        row.setLngFreqHigh(137000000);
        row.setModeText("AM");
        scan.setProgramno(1);
        rx->setScanObj(&scan);
        setScanCtrl(&scan);
        tuner = loadProgramTuner(*rx, &hold);
    }
    ~PanelScanTest() override {
        tuner.reset();
        setScanCtrl(nullptr);
        rx->setScanObj(nullptr);
    }

    frmSCANctrl scan{*rx, ProgramMemory()};
    std::unique_ptr<panels::frmTuner> tuner;
};

TEST_F(PanelScanTest, TheScanKeyStartsAProgramScanAndStopsIt) {
    panels::ScanToggle(1);
    EXPECT_EQ(scan.scanning(), 1);
    EXPECT_EQ(scan.scantype(), 1);
    EXPECT_EQ(rx->Frequency(), 118000000);
    panels::ScanToggle(1);
    EXPECT_EQ(scan.scanning(), 0);
}

TEST_F(PanelScanTest, TheDialDuringAScanTurnsItsDirectionAndSkipsWithoutRetuning) {
    ASSERT_TRUE(scan.scan_start(1, frmSCANctrl::kProgramTrue));
    const int32_t f = rx->Frequency();
    click(*tuner, 39, Qt::RightButton);
    EXPECT_EQ(rx->Frequency(), f);
    EXPECT_EQ(scan.dir(), 1);
    EXPECT_EQ(scan.passFlag(), 1);
    EXPECT_EQ(tuner->logic().dialPosition(), 20);  // the marker still turns
    click(*tuner, 39, Qt::LeftButton);
    EXPECT_EQ(scan.dir(), 0);
}

TEST_F(PanelScanTest, ADigitTypedDuringAScanStopsItAndStartsAnEntry) {
    ASSERT_TRUE(scan.scan_start(1, frmSCANctrl::kProgramTrue));
    click(*tuner, 13);  // "5"
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(tuner->logic().tenkey().mode(), 1);
    EXPECT_EQ(tuner->logic().tenkey().buff(), "         5");
}

}  // namespace
}  // namespace corvell::test
