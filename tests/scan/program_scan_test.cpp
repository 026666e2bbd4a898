// Program scans and automatic memory-write scans: start, walk between the edges, stop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

using ::testing::ElementsAre;

class ProgramScan : public ScanTest {};

TEST_F(ProgramScan, StartTunesToTheLowEdgeWithTheRowsSettingsAndSendsSlowFirst) {
    scan.setProgramno(3);
    setRow(3, 118000000, 137000000, "AM", "6k", "25kHz", 1);
    rx.freq = 145000000;

    ASSERT_TRUE(scan.scan_start(1, -1));

    EXPECT_EQ(rx.freq, 118000000);
    EXPECT_EQ(rx.mode, "AM");
    EXPECT_EQ(rx.filter, "6k");
    EXPECT_EQ(rx.step_name, "25kHz");
    EXPECT_EQ(rx.att_, 1);
    EXPECT_EQ(scan.status(), 2);
    EXPECT_EQ(scan.scanning(), 1);
    EXPECT_EQ(scan.scantype(), 1);
    EXPECT_EQ(scan.condition(1), "Program SCAN");
    // Frequency first, then the slow scan command: speed 50 + base 25 raised to 100.
    EXPECT_THAT(
        rx.only({"Frequency", "AlignClear", "AfcRes", "SendFreq", "H8"}),
        ElementsAre("Frequency 118000000", "AlignClear", "AfcRes", "SendFreq 118000000", "H8E4"));
    EXPECT_EQ(scan.slow1time(), 0);

    clearLog();
    feed(1);  // the receiver asks to move on
    EXPECT_EQ(rx.freq, 118025000);
    EXPECT_THAT(rx.only({"ScanRx", "H8", "AfcStart"}),
                ElementsAre("ScanRx 118025000 AM 6k 1 0 25kHz", "H8CB", "AfcStart"));
    EXPECT_EQ(scan.status(), 2);
}

TEST_F(ProgramScan, RowsThatCannotBeScannedDoNotStart) {
    struct Case {
        int32_t low, high;
        const char* step;
        bool starts;
        int32_t tunedTo;
    };
    const Case cases[] = {
        {137000000, 118000000, "20kHz", true, 118000000},  // swapped edges
        {144000000, 144010000, "20kHz", false, 0},         // span below one step
        {144000000, 144020000, "20kHz", true, 144000000},  // exactly one step
        {0, 0, "20kHz", false, 0},                         // blank row
        {145000000, 145000000, "20kHz", false, 0},         // no span
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.low) + ".." + std::to_string(c.high));
        scan.scan_stop();
        scan.continus_reset();
        rx.freq = 0;
        setRow(1, c.low, c.high, "FM", "15k", c.step);
        EXPECT_EQ(scan.scan_start(1, 1), c.starts);
        EXPECT_EQ(scan.scanning(), c.starts ? 1 : 0);
        EXPECT_EQ(rx.freq, c.tunedTo);
        if (c.starts) {
            EXPECT_EQ(scan.lowEdge(), std::min(c.low, c.high));
            EXPECT_EQ(scan.highEdge(), std::max(c.low, c.high));
        } else {
            EXPECT_EQ(scan.continueFlag(), 0);
        }
    }
}

TEST_F(ProgramScan, NoStartWithoutAnEstablishedLink) {
    setRow(1, 118000000, 137000000);
    rx.linkStat = 8;
    EXPECT_FALSE(scan.scan_start(1, -1));
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_TRUE(rx.log.empty());
}

TEST_F(ProgramScan, ProgramNumberIsKeptOnAChannelThatExists) {
    setRow(20, 118000000, 137000000);
    EXPECT_TRUE(scan.scan_start(1, 25));  // beyond the table: the last row
    EXPECT_EQ(scan.programno(), 20);
    EXPECT_EQ(rx.freq, 118000000);
    scan.scan_stop();

    EXPECT_FALSE(scan.scan_start(1, 0));  // channel 0 does not exist
    EXPECT_EQ(scan.programno(), 20);
    EXPECT_EQ(scan.scanning(), 0);
}

TEST_F(ProgramScan, WrapsAtTheEdgesInBothDirectionsWithASlowSweep) {
    setRow(1, 118000000, 118040000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    feed(1);
    feed(1);
    EXPECT_EQ(rx.freq, 118040000);
    clearLog();
    feed(1);  // past the high edge: back to the low edge, first sweep slow
    EXPECT_EQ(rx.freq, 118000000);
    EXPECT_THAT(rx.scanBytes, ElementsAre(0xE4));

    scan.setDir(0);
    clearLog();
    feed(1);  // below the low edge: up to the high edge
    EXPECT_EQ(rx.freq, 118040000);
    EXPECT_THAT(rx.scanBytes, ElementsAre(0xE4));
    feed(1);
    EXPECT_EQ(rx.freq, 118020000);
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
        ASSERT_TRUE(scan.scan_start(1, -1));
        clearLog();
        for (int16_t code : c.codes) feed(code);
        SCOPED_TRACE(::testing::PrintToString(c.codes));
        EXPECT_EQ(static_cast<int>(rx.only({"ScanRx"}).size()), c.moves);
        EXPECT_EQ(rx.freq, 118000000 + 20000 * c.moves);
        EXPECT_EQ(scan.busyStop(), c.busyStop);
        EXPECT_EQ(scan.condition(0), c.busyStop ? "Busy Stop" : "");
    }
}

TEST_F(ProgramScan, NoNewsForTwoSecondsMovesOn) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    advance(1999);
    tick();
    EXPECT_EQ(rx.freq, 118000000);
    advance(1);
    tick();
    EXPECT_EQ(rx.freq, 118020000);
}

TEST_F(ProgramScan, PassMovesOnAtOnceWithTheAudioMutedAroundTheScanCommand) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    rx.afgain_ = 140;
    clearLog();
    scan.setDir(0);
    scan.pass();
    tick();
    EXPECT_EQ(rx.freq, 137000000);  // down from the low edge wraps to the high edge
    EXPECT_THAT(rx.only({"afgain", "H8"}), ElementsAre("afgain 0", "H8E4", "afgain 140"));
    EXPECT_EQ(scan.passFlag(), 0);
}

TEST_F(ProgramScan, PauseHoldsTheScanAndSendsStopThenFrequency) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    clearLog();
    scan.setPause(1);
    EXPECT_THAT(rx.log, ElementsAre("H800", "SendFreq 118000000"));
    EXPECT_EQ(scan.condition(0), "Pause");
    clearLog();
    feed(1);
    advance(5000);
    tick();
    EXPECT_TRUE(rx.only({"ScanRx"}).empty());
    scan.setPause(1);  // unchanged: nothing sent
    EXPECT_TRUE(rx.only({"H8"}).empty());
    scan.setPause(0);
    EXPECT_THAT(rx.only({"H8"}), ElementsAre("H8CB"));
}

TEST_F(ProgramScan, StopSendsTheStopCommandAndAsksForARedraw) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    clearLog();
    EXPECT_TRUE(scan.scan_stop());
    EXPECT_THAT(rx.log, ElementsAre("H800", "SendFreq 118000000", "DispReq"));
    EXPECT_EQ(scan.status(), 0);
    EXPECT_EQ(scan.scantype(), 0);

    clearLog();
    EXPECT_FALSE(scan.scan_stop());  // idle: still a redraw
    EXPECT_THAT(rx.log, ElementsAre("DispReq"));
}

TEST_F(ProgramScan, LostLinkStopsTheScanOnItsNextStep) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    rx.linkStat = 8;
    clearLog();
    tick();
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_THAT(rx.only({"H8"}), ElementsAre("H800"));
}

TEST_F(ProgramScan, NoStepWhilePowerIsOffOrTheLinkHasFailed) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    scan.pass();
    rx.power = 0;
    tick();
    rx.power = 1;
    rx.error = 1;
    tick();
    EXPECT_EQ(rx.freq, 118000000);
    rx.error = 0;
    tick();
    EXPECT_EQ(rx.freq, 118020000);
}

TEST_F(ProgramScan, AStoppedScanResumesWhereTheReceiverStandsUnlessReset) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    scan.setDir(0);
    feed(1);  // 137.000
    feed(1);  // 136.980
    scan.scan_stop();
    EXPECT_EQ(scan.continueFlag(), 1);

    clearLog();
    ASSERT_TRUE(scan.scan_start(1, -1));  // resumes downwards from 136.980
    EXPECT_EQ(rx.freq, 136960000);
    EXPECT_EQ(scan.dir(), 0);
    EXPECT_TRUE(rx.only({"Frequency"}).empty());

    scan.scan_stop();
    EXPECT_EQ(scan.continus_reset(), 1);
    EXPECT_EQ(scan.continus_reset(), 0);
    ASSERT_TRUE(scan.scan_start(1, -1));  // fresh: low edge, upwards
    EXPECT_EQ(rx.freq, 118000000);
    EXPECT_EQ(scan.dir(), 1);
}

TEST_F(ProgramScan, AnotherKindOrProgramNumberStartsAfresh) {
    setRow(1, 118000000, 137000000);
    setRow(2, 430000000, 440000000);
    ASSERT_TRUE(scan.scan_start(1, 1));
    feed(1);
    scan.scan_stop();
    ASSERT_TRUE(scan.scan_start(1, 2));
    EXPECT_EQ(rx.freq, 430000000);
    EXPECT_EQ(scan.programno(), 2);
}

TEST_F(ProgramScan, AStatusWrittenDuringAStepIsKeptForTheNextTick) {
    setRow(1, 118000000, 137000000);
    ASSERT_TRUE(scan.scan_start(1, -1));
    // The receiver's report arrives while the step that sent the scan command still runs.
    int writes = 0;
    rx.onSendScan = [&] {
        if (writes++ == 0) scan.setStatus(1);
    };
    scan.pass();
    tick();
    rx.onSendScan = nullptr;
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(rx.freq, 118020000);  // no nested step ran inside the first one
    EXPECT_EQ(scan.status(), 1);    // the report is kept ...
    tick();
    EXPECT_EQ(rx.freq, 118040000);  // ... and the next tick acts on it
}

}  // namespace
}  // namespace corvell
