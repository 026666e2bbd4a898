// Program scans: start, walk between the edges, the status codes, pause, stop and resume.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ReceiverCodes.h"
#include "core/clsTSbase.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

using ::testing::ElementsAre;

class ProgramScan : public ScanTest {};

TEST_F(ProgramScan, StartTunesToTheLowEdgeWithTheRowsSettingsAndSendsSlowFirst) {
    scan.setProgramno(3);
    setRow(3, 118000000, 137000000, "AM", "6k", "25kHz", 1);
    rx.setFrequency(145000000);
    rx.TSbase().setAlignFlag(true);
    clearLog();

    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));

    EXPECT_EQ(rx.Frequency(), 118000000);
    EXPECT_EQ(rx.ModeText(), "AM");
    EXPECT_EQ(rx.FilterText(), "6k");
    EXPECT_EQ(step(), "25kHz");
    EXPECT_EQ(rx.att(), 1);
    EXPECT_FALSE(rx.TSbase().alignFlag());
    EXPECT_EQ(scan.status(), 2);
    EXPECT_EQ(scan.scanning(), 1);
    EXPECT_EQ(scan.scantype(), 1);
    EXPECT_EQ(scan.condition(1), "Program SCAN");
    // Frequency first, then the slow scan command: speed 50 + base 25 raised to 100.
    EXPECT_THAT(sends({"Frequency", "SendFreq", "H8"}),
                ElementsAre("Frequency 118000000", "SendFreq", "H8E4"));
    EXPECT_EQ(scan.slow1time(), 0);

    clearLog();
    feed(1);  // the receiver asks to move on
    EXPECT_EQ(rx.Frequency(), 118025000);
    EXPECT_THAT(sends({"ScanRx", "H8"}), ElementsAre("ScanRx 118025000 2 1 1 0 25000", "H8CB"));
    EXPECT_EQ(scan.status(), 2);
    EXPECT_TRUE(rx.DispReq());
}

TEST_F(ProgramScan, RowsThatCannotBeScannedDoNotStart) {
    struct Case {
        int32_t low, high;
        bool starts;
    };
    const Case cases[] = {
        {137000000, 118000000, true},   // swapped edges
        {144000000, 144010000, false},  // span below one step
        {144000000, 144020000, true},   // exactly one step
        {0, 0, false},                  // blank row
        {145000000, 145000000, false},  // no span
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.low) + ".." + std::to_string(c.high));
        scan.scan_stop();
        scan.continus_reset();
        rx.setFrequency(100000000);
        setRow(1, c.low, c.high);
        EXPECT_EQ(scan.scan_start(kScanProgram, 1), c.starts);
        EXPECT_EQ(scan.scanning(), c.starts ? 1 : 0);
        if (c.starts) {
            EXPECT_EQ(rx.Frequency(), std::min(c.low, c.high));
            EXPECT_EQ(scan.lowEdge(), std::min(c.low, c.high));
            EXPECT_EQ(scan.highEdge(), std::max(c.low, c.high));
        } else {
            EXPECT_EQ(rx.Frequency(), 100000000);
            EXPECT_EQ(scan.continueFlag(), 0);
        }
    }
}

TEST_F(ProgramScan, NoStartWithoutAnEstablishedLink) {
    setRow(1, 118000000, 137000000);
    rs.setValue("PowerOnStat", 0);
    EXPECT_FALSE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_TRUE(rs.sends().empty());
}

// A start is asked with a program channel number or kProgramTrue; a C++ bool would silently
// mean channel 1, so it does not compile.
template <class P>
concept StartsWith = requires(frmSCANctrl& c, P p) {
    c.scan_start(int16_t{1}, p);
};
static_assert(StartsWith<int16_t> && StartsWith<int>);
static_assert(!StartsWith<bool>);

TEST_F(ProgramScan, ProgramNumberIsKeptOnAChannelThatExists) {
    setRow(20, 118000000, 137000000);
    EXPECT_TRUE(scan.scan_start(kScanProgram, 25));  // beyond the table: the last row
    EXPECT_EQ(scan.programno(), 20);
    EXPECT_EQ(rx.Frequency(), 118000000);
    scan.scan_stop();

    EXPECT_FALSE(scan.scan_start(kScanProgram, 0));  // channel 0 does not exist
    EXPECT_EQ(scan.programno(), 20);
    EXPECT_EQ(scan.scanning(), 0);
}

TEST_F(ProgramScan, WrapsAtTheEdgesInBothDirectionsWithASlowSweep) {
    setRow(1, 118000000, 118040000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    feed(1);
    feed(1);
    EXPECT_EQ(rx.Frequency(), 118040000);
    clearLog();
    feed(1);  // past the high edge: back to the low edge, first sweep slow
    EXPECT_EQ(rx.Frequency(), 118000000);
    EXPECT_THAT(scanBytes(), ElementsAre(0xE4));

    scan.setDir(0);
    clearLog();
    feed(1);  // below the low edge: up to the high edge
    EXPECT_EQ(rx.Frequency(), 118040000);
    EXPECT_THAT(scanBytes(), ElementsAre(0xE4));
    feed(1);
    EXPECT_EQ(rx.Frequency(), 118020000);
}

TEST_F(ProgramScan, StatusCodesDecideWhetherTheScanMovesOn) {
    // Each sequence of scan-status codes, fed as the main window does, and the number of steps
    // the receiver was moved on.
    struct Case {
        std::vector<int16_t> codes;
        int moves;
        int16_t busyStop;
    };
    const Case cases[] = {
        {{2, 2, 2}, 0, 0}, {{1}, 1, 0},      {{1, 2, 1}, 2, 0},  {{3}, 0, 0}, {{7, 0, 255}, 0, 0},
        {{16}, 0, 1},      {{16, 16}, 0, 1}, {{2, 16, 1}, 1, 0},  // the receiver no longer reports
                                                                  // the signal: move on
    };
    for (const Case& c : cases) {
        scan.scan_stop();
        scan.continus_reset();
        setRow(1, 118000000, 137000000);
        ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
        clearLog();
        for (int16_t code : c.codes) feed(code);
        SCOPED_TRACE(::testing::PrintToString(c.codes));
        EXPECT_EQ(static_cast<int>(sends({"ScanRx"}).size()), c.moves);
        EXPECT_EQ(rx.Frequency(), 118000000 + 20000 * c.moves);
        EXPECT_EQ(scan.busyStop(), c.busyStop);
        EXPECT_EQ(scan.condition(0), c.busyStop ? "Busy Stop" : "");
    }
}

TEST_F(ProgramScan, NoNewsForTwoSecondsMovesOn) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    advance(1999);
    tick();
    EXPECT_EQ(rx.Frequency(), 118000000);
    advance(1);
    tick();
    EXPECT_EQ(rx.Frequency(), 118020000);
}

TEST_F(ProgramScan, PassMovesOnAtOnceWithTheAudioMutedAroundTheScanCommand) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    rx.setAfgain(140);
    clearLog();
    scan.setDir(0);
    scan.pass();
    tick();
    EXPECT_EQ(rx.Frequency(), 137000000);  // down from the low edge wraps to the high edge
    EXPECT_THAT(sends({"afgain", "H8"}), ElementsAre("afgain 0", "H8E4", "afgain 140"));
    EXPECT_EQ(scan.passFlag(), 0);
}

TEST_F(ProgramScan, PauseHoldsTheScanAndSendsStopThenFrequency) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    clearLog();
    scan.setPause(1);
    EXPECT_THAT(sends({"H8", "SendFreq"}), ElementsAre("H800", "SendFreq"));
    EXPECT_EQ(scan.condition(0), "Pause");
    clearLog();
    feed(1);
    advance(5000);
    tick();
    EXPECT_TRUE(sends({"ScanRx"}).empty());
    scan.setPause(1);  // unchanged: nothing sent
    EXPECT_TRUE(sends({"H8"}).empty());
    scan.setPause(0);
    EXPECT_THAT(sends({"H8"}), ElementsAre("H8CB"));
}

TEST_F(ProgramScan, StopSendsTheStopCommandAndAsksForARedraw) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    clearLog();
    EXPECT_TRUE(scan.scan_stop());
    EXPECT_THAT(sends({"H8", "SendFreq"}), ElementsAre("H800", "SendFreq"));
    EXPECT_TRUE(rx.DispReq());
    EXPECT_EQ(scan.status(), 0);
    EXPECT_EQ(scan.scantype(), 0);

    clearLog();
    EXPECT_FALSE(scan.scan_stop());  // idle: nothing sent, still a redraw
    EXPECT_TRUE(rs.sends().empty());
    EXPECT_TRUE(rx.DispReq());
}

TEST_F(ProgramScan, LostLinkStopsTheScanOnItsNextStep) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    rs.setValue("PowerOnStat", 0);
    clearLog();
    tick();
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_THAT(sends({"H8"}), ElementsAre("H800"));
}

TEST_F(ProgramScan, NoStepWhilePowerIsOffOrTheLinkHasFailed) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    scan.pass();
    rx.PowerOff();
    tick();
    rx.PowerOn();
    rx.setError(1);
    tick();
    EXPECT_EQ(rx.Frequency(), 118000000);
    rx.setError(0);
    tick();
    EXPECT_EQ(rx.Frequency(), 118020000);
}

TEST_F(ProgramScan, AStoppedScanResumesWhereTheReceiverStandsUnlessReset) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    scan.setDir(0);
    feed(1);  // 137.000
    feed(1);  // 136.980
    scan.scan_stop();
    EXPECT_EQ(scan.continueFlag(), 1);

    clearLog();
    ASSERT_TRUE(scan.scan_start(kScanProgram,
                                frmSCANctrl::kProgramTrue));  // resumes downwards from 136.980
    EXPECT_EQ(rx.Frequency(), 136960000);
    EXPECT_EQ(scan.dir(), 0);
    EXPECT_TRUE(sends({"Frequency"}).empty());

    scan.scan_stop();
    EXPECT_EQ(scan.continus_reset(), 1);
    EXPECT_EQ(scan.continus_reset(), 0);
    ASSERT_TRUE(
        scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));  // fresh: low edge, upwards
    EXPECT_EQ(rx.Frequency(), 118000000);
    EXPECT_EQ(scan.dir(), 1);
}

TEST_F(ProgramScan, AnotherKindOrProgramNumberStartsAfresh) {
    setRow(1, 118000000, 137000000);
    setRow(2, 430000000, 440000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, 1));
    feed(1);
    scan.scan_stop();
    ASSERT_TRUE(scan.scan_start(kScanProgram, 2));
    EXPECT_EQ(rx.Frequency(), 430000000);
    EXPECT_EQ(scan.programno(), 2);
    feed(1);
    scan.scan_stop();
    ASSERT_TRUE(scan.scan_start(kScanAutoWrite, 2));
    EXPECT_EQ(rx.Frequency(), 430000000);
}

// The receiver's report arriving while the step that sent the scan command still runs: the
// send of the stand-in library writes the status back into the controller.
frmSCANctrl* g_reentered = nullptr;
QuillonApi::Fn1 g_sendScan = nullptr;
int g_writes = 0;

int32_t sendScanAndReport(int32_t byte) {
    const int32_t result = g_sendScan(byte);
    if (g_reentered != nullptr && g_writes++ == 0) g_reentered->setStatus(1);
    return result;
}

TEST_F(ProgramScan, AStatusWrittenDuringAStepIsKeptForTheNextTick) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    QuillonApi hooked = Quillon();
    const QuillonApi* previous = &Quillon();
    g_sendScan = hooked.RsSendScan;
    hooked.RsSendScan = &sendScanAndReport;
    g_reentered = &scan;
    g_writes = 0;
    BindQuillon(&hooked);

    scan.pass();
    tick();
    BindQuillon(previous);
    g_reentered = nullptr;

    EXPECT_EQ(g_writes, 1);
    EXPECT_EQ(rx.Frequency(), 118020000);  // no nested step ran inside the first one
    EXPECT_EQ(scan.status(), 1);           // the report is kept ...
    tick();
    EXPECT_EQ(rx.Frequency(), 118040000);  // ... and the next tick acts on it
}

}  // namespace
}  // namespace corvell
