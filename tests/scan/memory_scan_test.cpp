// The memory scan over the active bank: its walk, the select, skip and mode filters.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/ReceiverCodes.h"
#include "core/clsAUTOMODE.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class MemoryScan : public ScanTest {
  protected:
    MemoryScan() {
        memory.setActiveBank(2);
        memory.setActiveCh(0);
        setChannel(2, 1, 145000000, 5);        // FM
        setChannel(2, 2, 120000000, 2);        // AM
        setChannel(2, 3, 146000000, 5, 0, 1);  // FM, SKIP
        setChannel(2, 4, 147000000, 5, 1, 0);  // FM, SEL
        setChannel(2, 5, 148000000, 4);        // mode code 4
        setChannel(2, 6, 88000000, 6);         // WFM
        setChannel(2, 40, 7000000, 0, 1, 1);   // LSB, SEL and SKIP
    }
    // Starts a memory scan and moves it on up to `steps` times; the channels it stood on.
    std::vector<int> visits(int steps) {
        std::vector<int> seen;
        if (!scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue)) return seen;
        seen.push_back(memory.ActiveCh());
        for (int i = 0; i < steps && scan.scanning() != 0; ++i) {
            feed(1);
            if (scan.scanning() != 0) seen.push_back(memory.ActiveCh());
        }
        return seen;
    }
};

TEST_F(MemoryScan, FiltersDecideWhichChannelsAreVisited) {
    const struct {
        int16_t tag, skip, mode, modeBits;
        std::vector<int> expected;
    } cases[] = {
        {0, 0, 0, 0x3F, {1, 2, 3, 4, 5, 6, 40, 1}},
        {0, 1, 0, 0x3F, {1, 2, 4, 5, 6, 1}},
        {0, 0, 1, 0x10, {1, 3, 4, 1}},  // FM only; mode code 4 never passes
        {0, 0, 1, 0x3F, {1, 2, 3, 4, 6, 40, 1}},
        {0, 0, 1, 0x29, {2, 6, 40, 2}},  // LSB, AM and WFM
        {1, 0, 0, 0x3F, {4, 40, 4}},
        {1, 1, 0, 0x3F, {4}},  // one channel only: the scan stops there
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.expected));
        scan.scan_stop();
        scan.continus_reset();
        memory.setActiveCh(0);
        scan.setMemotag(c.tag);
        scan.setMemoskip(c.skip);
        scan.setMemomode(c.mode);
        scan.setMemomodedata(c.modeBits);
        EXPECT_THAT(visits(static_cast<int>(c.expected.size()) - 1), ElementsAreArray(c.expected));
    }
}

TEST_F(MemoryScan, EachChannelIsSentWithItsOwnSettings) {
    clsMchDATA& rec = memory.chData(2, 1);
    rec.setModeText("AM");
    rec.setFilterText("6k");
    rec.setIntAtt(1);
    rec.setIntTsql(7);
    rec.setTsname("9kHz");
    rx.setFrequency(100000000);
    rx.AutoMode().setMode(kModeUSB);
    clearLog();
    ASSERT_TRUE(scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue));
    EXPECT_THAT(sends({"ScanRx", "SendFreq", "H8"}),
                ElementsAre("ScanRx 145000000 2 1 1 7 9000", "H8E4", "SendFreq", "H8CB"));
    EXPECT_FALSE(rx.AutoMode().mode());  // automatic mode selection is switched off
    EXPECT_EQ(rx.Frequency(), 145000000);
    EXPECT_EQ(step(), "9kHz");
    EXPECT_EQ(scan.condition(1), "Memory SCAN");
}

TEST_F(MemoryScan, DownwardsWrapsFromTheFirstChannelToTheLast) {
    memory.setActiveCh(1);
    scan.setMemotag(1);
    ASSERT_TRUE(scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(memory.ActiveCh(), 4);
    scan.setDir(0);
    feed(1);
    EXPECT_EQ(memory.ActiveCh(), 40);
    feed(1);
    EXPECT_EQ(memory.ActiveCh(), 4);
}

TEST_F(MemoryScan, ABankWithNoOtherChannelDoesNotStart) {
    memory.setActiveBank(7);
    setChannel(7, 10, 145000000);
    memory.setActiveCh(10);
    EXPECT_FALSE(scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(memory.ActiveCh(), 10);
    memory.setActiveBank(8);
    EXPECT_FALSE(scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue));  // an empty bank
}

TEST_F(MemoryScan, AResumedScanGoesOnFromTheActiveChannel) {
    ASSERT_TRUE(scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue));
    feed(1);
    EXPECT_EQ(memory.ActiveCh(), 2);
    scan.setDir(0);
    scan.scan_stop();
    ASSERT_TRUE(scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(memory.ActiveCh(), 1);  // resumed downwards
    scan.scan_stop();
    scan.continus_reset();
    ASSERT_TRUE(scan.scan_start(kScanMemory, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(memory.ActiveCh(), 2);  // fresh: upwards again
}

}  // namespace
}  // namespace corvell
