// A program scan through the whole chain: the controller drives the receiver object, which
// loads the real link library; the emulated receiver answers each scan command with a status
// report, the library turns reports into the scan-status message, and the message handler
// feeds the controller as the main window does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/ReceiverCodes.h"
#include "tests/scan-e2e/ScanEndToEnd.h"

namespace corvell {
namespace {

TEST_F(ScanEndToEnd, TheReceiversReportsWalkTheScanAndASignalStopsIt) {
    ASSERT_TRUE(started) << emulator->lastError();
    ASSERT_TRUE(linkUp()) << "the link did not come up";

    setAirbandRow();
    scan.setDelaytype(2);  // a signal ends the scan

    size_t mark = emulator->log().count();
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    // Tuned to the low edge, then the first sweep slowly.
    ASSERT_TRUE(runUntil([&] { return heard("H8E4", mark); }));
    EXPECT_TRUE(heard("K00118000000020100", mark));
    // The receiver's own answer to the scan command comes back as "running".
    ASSERT_TRUE(runUntil([&] { return !statuses.empty() && statuses.back() == 2; }));
    EXPECT_EQ(rx.Frequency(), 118000000);

    // "Move on": the next step, at the normal speed.
    mark = emulator->log().count();
    emulator->sendScanStatus(1);
    ASSERT_TRUE(runUntil([&] { return heard("H8CB", mark); }));
    EXPECT_TRUE(heard("K00118020000020100", mark));
    EXPECT_EQ(rx.Frequency(), 118020000);
    EXPECT_TRUE(emulator->scanning());

    // A signal: the scan stops there and the receiver is told so.
    mark = emulator->log().count();
    emulator->sendScanStatus(16);
    ASSERT_TRUE(runUntil([&] { return heard("H800", mark); }));
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(rx.Frequency(), 118020000);
    ASSERT_TRUE(runUntil([&] { return !emulator->scanning(); }));
    EXPECT_THAT(statuses, ::testing::Contains(16));
}

}  // namespace
}  // namespace corvell
