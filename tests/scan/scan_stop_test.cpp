// The shared stop procedure the panels call when the user tunes by hand.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/ReceiverCodes.h"
#include "scan/ScanStop.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

using ::testing::ElementsAre;

class SharedScanStop : public ScanTest {
  protected:
    ~SharedScanStop() override { setScanCtrl(nullptr); }
};

TEST_F(SharedScanStop, StopsTheScanAndForgetsWhereItWas) {
    rx.setDispReq(false);
    ScanStop();  // no controller yet: only the redraw request
    EXPECT_TRUE(rx.DispReq());
    EXPECT_TRUE(sends({"H8", "SendFreq"}).empty());
    setScanCtrl(&scan);
    EXPECT_EQ(ScanCtrl(), &scan);
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    feed(1);
    clearLog();
    ScanStop();
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(scan.continueFlag(), 0);
    EXPECT_THAT(sends({"H8", "SendFreq"}), ElementsAre("H800", "SendFreq"));
    EXPECT_TRUE(rx.DispReq());
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(rx.Frequency(), 118000000);  // a fresh start from the low edge
}

}  // namespace
}  // namespace corvell
