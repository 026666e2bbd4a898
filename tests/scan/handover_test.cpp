// The controller handed to the receiver object: the scope sweep controller follows its state.
#include <gtest/gtest.h>

#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/frmScopeCtrl.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

class Handover : public ScanTest {};

TEST_F(Handover, TheScopeSweepStepsAsideWhileASidebandScanRuns) {
    setRow(1, 7000000, 7200000, "LSB", "3k", "1kHz");
    rx.ScopeDATA().setMode(kScopeContinuous);
    frmScopeCtrl& scope = rx.ScopeCtrl();
    auto state = [&] {
        scope.SendCheck();
        return scope.ActMode();
    };

    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(state(), 5);  // no sweep while the receiver scans
    signal(true);
    feed(16);
    EXPECT_EQ(state(), 2);  // stopped on a signal: single sweeps
    feed(1);
    EXPECT_EQ(state(), 5);
    scan.setPause(1);
    EXPECT_EQ(state(), 2);
    scan.setPause(0);
    EXPECT_EQ(state(), 5);
    scan.scan_stop();
    EXPECT_EQ(state(), 2);

    rx.setScanObj(nullptr);  // no controller: the receiver object sends no scan command
    rs.clear();
    rx.SendSCAN();
    EXPECT_EQ(rs.count("RsSendScan"), 0);
}

}  // namespace
}  // namespace corvell
