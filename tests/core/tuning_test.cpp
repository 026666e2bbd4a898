// Tuning: the frequency and its first send, blank rules, stepping over band edges, entry with
// automatic mode and AFC restart, and the scan controller's combined set.
#include "core/BandEdgeTables.h"
#include "core/ReceiverCodes.h"
#include "core/clsAFCctrl.h"
#include "core/clsAUTOMODE.h"
#include "core/clsTSbase.h"
#include "core/objEDGES.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

class TuningTest : public RxTest {
  protected:
    TuningTest() {
        load();
        rs.clear();
    }
    void useTable(const char* name) { SelectCountryVersion(rx->EDGES(), name); }
    void tuneTo(int32_t f) {
        rx->setFrequency(f);
        rs.clear();
    }
};

TEST(FrequencyFirstSend, TheFirstSetAfterStartSendsEvenWhenEqual) {
    FakeQuillon rs;
    frmTesselbase r;  // not loaded: the stored frequency is still 0
    r.setFrequency(0);
    EXPECT_EQ(rs.count("RsSetFrequency"), 1);
    r.setFrequency(0);
    EXPECT_EQ(rs.count("RsSetFrequency"), 1);
    EXPECT_EQ(r.Blank(), 1);
}

TEST_F(TuningTest, TheSameFrequencyTwiceIsSentOnce) {
    rx->setFrequency(145500000);
    rx->setFrequency(145500000);
    const std::vector<QuillonCall> expected = {{"RsSetPllRefFrequency", {5000}},
                                               {"RsSetFrequency", {145500000}}};
    EXPECT_EQ(rs.sends(), expected);
}

TEST_F(TuningTest, LeavingBlankAppliesTheDefaultsBeforeTheFrequency) {
    rx->setFrequency(0);
    EXPECT_EQ(rx->Blank(), 1);
    EXPECT_EQ(rs.sends().back(), (QuillonCall{"RsSetFrequency", {0}}));
    rs.clear();
    rx->TSbase().setTsname("5k");
    rx->setFrequency(80000000);
    const std::vector<QuillonCall> expected = {{"RsSetMode", {5}},
                                               {"RsSetFilter", {2}},
                                               {"RsSetAtt", {0}},
                                               {"RsSetCtcss", {0}},
                                               {"RsSetPllRefFrequency", {5000}},
                                               {"RsSetFrequency", {80000000}}};
    EXPECT_EQ(rs.sends(), expected);
    EXPECT_EQ(rx->TSbase().tsfrq(), 20000);
    EXPECT_EQ(rx->Blank(), 0);
}

TEST_F(TuningTest, BlankDropsSixSettersAndKeepsTheOthers) {
    rx->setAtt(1);
    rx->setFrequency(0);
    rs.clear();
    rx->setAgc(1);
    rx->setNb(1);
    rx->setAtt(0);
    rx->setAfc(1);
    rx->setAnl(1);
    rx->setCtcss(5);
    rx->setModeText("USB");
    EXPECT_TRUE(rs.sends().empty());
    EXPECT_EQ(rx->att(), 1);
    EXPECT_EQ(rx->ModeText(), "BLANK");
    rx->setVsc(1);
    rx->setSquelch(200);
    rx->setMode(1);  // the code itself is not blank-tested
    const std::vector<QuillonCall> expected = {
        {"RsSetVsc", {1}}, {"RsSetSql", {200}}, {"RsSetMode", {1}}};
    EXPECT_EQ(rs.sends(), expected);
}

TEST_F(TuningTest, SteppingWhileBlankKeepsTheFrequency) {
    rx->setFrequency(0);
    EXPECT_EQ(rx->frq_up(), 0);
    EXPECT_EQ(rx->frq_down(), 0);
    EXPECT_EQ(rx->Frequency(), 0);
}

TEST_F(TuningTest, SmallStepsLandOnTheNextRangeAndThenRealign) {
    useTable("#2");
    tuneTo(823990000);
    EXPECT_EQ(rx->frq_up(), 849001000);
    EXPECT_TRUE(rx->TSbase().alignFlag());
    EXPECT_EQ(rs.sends().back(), (QuillonCall{"RsSetFrequency", {849001000}}));
    EXPECT_EQ(rx->frq_up(), 849020000);  // first onto the 20 kHz grid, then one step
    EXPECT_FALSE(rx->TSbase().alignFlag());

    tuneTo(849010000);
    EXPECT_EQ(rx->frq_down(), 823999000);
    EXPECT_TRUE(rx->TSbase().alignFlag());
    EXPECT_EQ(rx->frq_down(), 823960000);  // onto the grid (823980000), then one step
}

TEST_F(TuningTest, AlignedFrequencyGoingDownKeepsTheFlag) {
    tuneTo(145000000);
    rx->TSbase().setAlignFlag(true);
    EXPECT_EQ(rx->frq_downcalc(), 144980000);
    EXPECT_TRUE(rx->TSbase().alignFlag());
    EXPECT_EQ(rx->Frequency(), 145000000);  // the calc does not tune
    rx->TSbase().setAlignFlag(true);
    tuneTo(145003000);
    EXPECT_EQ(rx->frq_upcalc(), 145020000);
    EXPECT_FALSE(rx->TSbase().alignFlag());
}

struct LargeStepCase {
    const char* table;
    const char* step;
    int32_t from;
    bool up;
    int32_t expected;
};

class LargeStepTest : public TuningTest, public ::testing::WithParamInterface<LargeStepCase> {};

TEST_P(LargeStepTest, MovesIntoTheNextRangesMegahertzAndStepsAgain) {
    const LargeStepCase& c = GetParam();
    useTable(c.table);
    rx->TSbase().setTsname(c.step);
    tuneTo(c.from);
    const int32_t f = c.up ? rx->frq_up() : rx->frq_down();
    if (c.expected != 0) {
        EXPECT_EQ(f, c.expected);
    }
    EXPECT_TRUE(rx->EDGES().inside(f)) << f;
    EXPECT_EQ(rx->Frequency(), f);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, LargeStepTest,
    ::testing::Values(
        // the gap of "#2": into 849 MHz at the same offset, then one more step
        LargeStepCase{"#2", "1M", 823500000, true, 850500000},
        LargeStepCase{"#2", "1M", 849500000, false, 822500000},
        // past the top: wraps to the bottom; 64 bits, so 1299 MHz + 999 MHz does not overflow
        LargeStepCase{"GENE", "999M", 1299000000, true, 999000000},
        LargeStepCase{"GENE", "1M", 1299500000, true, 1500000},
        // below the bottom: the offset of a negative frequency, then wrap to the top
        LargeStepCase{"GENE", "1M", 500000, false, 1298500000},
        // a step that circles between the ranges of "#6" for ever ends on a range edge
        LargeStepCase{"#6", "999M", 1000000, true, 0},
        LargeStepCase{"#6", "999M", 1299000000, false, 0}),
    [](const ::testing::TestParamInfo<LargeStepCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST_F(TuningTest, EntryAppliesTheAutomaticModeRowAfterTheFrequency) {
    clsMchDATA& row = rx->AutoMode().chData(2);
    row.setLngFreq(430000000);
    row.setLngFreqHigh(440000000);
    row.setModeText("USB");
    row.setFilterText("6k");
    row.setTsname("12.5kHz");
    rx->AutoMode().setMode(kModeUSB);
    rs.clear();
    rx->EntryFrequency(433920000);
    const std::vector<QuillonCall> sends = rs.sends();
    ASSERT_GE(sends.size(), 4u);
    EXPECT_EQ(sends[0], (QuillonCall{"RsSetPllRefFrequency", {5000}}));
    EXPECT_EQ(sends[1], (QuillonCall{"RsSetFrequency", {433920000}}));
    EXPECT_EQ(sends[2], (QuillonCall{"RsSetMode", {1}}));
    EXPECT_EQ(sends[3], (QuillonCall{"RsSetFilter", {1}}));
    EXPECT_EQ(rx->TSbase().tsfrq(), 12500);
    EXPECT_TRUE(rx->TSbase().alignFlag());

    rx->AutoMode().off();
    rx->TSbase().setAlignFlag(false);
    rs.clear();
    rx->EntryFrequency(435000000);
    EXPECT_EQ(rs.count("RsSetMode"), 0);
    EXPECT_FALSE(rx->TSbase().alignFlag());
}

TEST_F(TuningTest, EntryWithAfcOnMakesTheNewFrequencyTheBase) {
    rx->setAfc(1);
    rx->AFCctrl().exec();  // the first pass records the switch
    rx->EntryFrequency(145100000);
    EXPECT_EQ(rx->AFCctrl().BaseFrequency(), 145100000);
    rx->setAfc(0);
    rx->EntryFrequency(145200000);
    EXPECT_EQ(rx->AFCctrl().BaseFrequency(), 145100000);
}

TEST_F(TuningTest, ScanReceiveDataIsOneCombinedSet) {
    struct Case {
        const char* mode;
        const char* filter;
        const char* step;
        int32_t modeCode;
        int32_t filterCode;
        int32_t stepHz;
    };
    const Case cases[] = {
        {"AM", "3k", "9k", 2, 0, 9000},      {"WFM", "230k", "100k", 6, 4, 100000},
        {"CW", "6k", "12.5k", 3, 1, 12500},  {"USB", "15k", "1k", 1, 2, 1000},
        {"LSB", "50k", "6.25k", 0, 3, 6250}, {"fm", "nonsense", "20k", 5, 4, 20000}};
    for (const Case& c : cases) {
        rs.clear();
        rx->SetScanRxData(120000000, c.mode, c.filter, 1, 7, c.step);
        const std::vector<QuillonCall> expected = {
            {"RsSetScanRxData", {120000000, c.modeCode, c.filterCode, 1, 7, c.stepHz}}};
        EXPECT_EQ(rs.sends(), expected) << c.mode;
    }
    EXPECT_EQ(rx->Frequency(), 120000000);
    rx->SetScanRxData(0, "FM", "15k", 0, 0, "20k");
    EXPECT_EQ(rx->Blank(), 1);
    EXPECT_EQ(rx->Frequency(), 0);
}

}  // namespace
}  // namespace corvell::test
