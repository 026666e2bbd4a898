// The automatic mode table: which row an entered frequency selects, what the row applies, and
// the rows kept in section "AUTOMODE" of the settings file.
#include <gtest/gtest.h>

#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/clsAUTOMODE.h"
#include "platform/private_profile.h"
#include "tests/memory/memory_home.h"

namespace {

using namespace corvell;

void setRow(clsMchDATA& row, int32_t low, int32_t high, const char* mode, const char* filter,
            const char* step) {
    row.setLngFreq(low);
    row.setLngFreqHigh(high);
    row.setModeText(mode);
    row.setFilterText(filter);
    row.setTsname(step);
}

// Stands in for the receiver object: takes the texts the table applies.
struct ReceiverTexts {
    std::vector<std::string> calls;
    void setModeText(const std::string& text) { calls.push_back("mode " + text); }
    void setFilterText(const std::string& text) { calls.push_back("filter " + text); }
};

std::string rowValue(const test::MemoryHome& home, int row) {
    char key[8];
    std::snprintf(key, sizeof key, "CH%02d", row);
    return platform::readProfileString(home.path("Corvell.ini"), "AUTOMODE", key, "<none>");
}

TEST(AutoMode, CheckFindsTheFirstRowHoldingTheFrequency) {
    test::MemoryHome home;
    clsAUTOMODE table;
    setRow(table.chData(3), 144000000, 146000000, "FM", "15k", "20k");
    setRow(table.chData(5), 145000000, 148000000, "AM", "6k", "25k");
    setRow(table.chData(8), 150000000, 149000000, "AM", "6k", "25k");  // high below low
    setRow(table.chData(9), 0, 200000000, "AM", "6k", "25k");          // blank

    const struct {
        int32_t f;
        int16_t row;
    } cases[] = {{144000000, 3}, {146000000, 3}, {145500000, 3}, {146000001, 5}, {148000000, 5},
                 {143999999, 0}, {149500000, 0}, {100000000, 0}, {0, 0},         {-145000000, 0}};
    for (const auto& c : cases) EXPECT_EQ(table.check(c.f), 0) << "off, " << c.f;
    table.setMode(-1);
    EXPECT_TRUE(table.mode());
    for (const auto& c : cases) EXPECT_EQ(table.check(c.f), c.row) << c.f;
    table.off();
    EXPECT_EQ(table.check(145000000), 0);
}

TEST(AutoMode, ChangeAppliesModeFilterAndStepKeepingTheLowEdgeOnTheGrid) {
    test::MemoryHome home;
    clsAUTOMODE table;
    setRow(table.chData(2), 118012500, 136000000, "AM", "6k", "25k");
    ReceiverTexts receiver;
    clsTSbase step;
    table.Change(2, receiver, step);
    EXPECT_EQ(receiver.calls, (std::vector<std::string>{"mode AM", "filter 6k"}));
    EXPECT_EQ(step.tsfrq(), 25000);
    EXPECT_EQ(step.calctsclr(120040000), 120037500);

    receiver.calls.clear();
    table.Change(0, receiver, step);
    table.Change(21, receiver, step);
    EXPECT_TRUE(receiver.calls.empty());
}

TEST(AutoMode, RowsAreWrittenAtTheEndAndReadBackWhole) {
    test::MemoryHome home;
    {
        clsAUTOMODE table;
        clsMchDATA& row = table.chData(7);
        setRow(row, 118000000, 137000000, "AM", "6k", "8.33k");
        row.setName1("Air band");
        row.setName2("civil aviation");
        row.setIntAtt(1);
        row.setIntTag(1);
        table.chData(1).setName1("not a row");  // its low edge is 0
    }
    EXPECT_EQ(rowValue(home, 7), "Air band,civil aviation,118,137,AM,6k,ON,8.33kHz");
    EXPECT_EQ(rowValue(home, 1), " ");
    EXPECT_EQ(rowValue(home, 20), " ");
    EXPECT_TRUE(home.read("Corvell.ini").find("CH07=\"Air band,") != std::string::npos);

    ResetProgramObjects();
    platform::clearProfileCache();
    clsAUTOMODE table;
    const clsMchDATA& row = table.chData(7);
    EXPECT_EQ(row.name1(), "Air band        ");
    EXPECT_EQ(row.name2(), "civil aviation" + std::string(18, ' '));
    EXPECT_EQ(row.lngFreq(), 118000000);
    EXPECT_EQ(row.lngFreqHigh(), 137000000);
    EXPECT_EQ(row.intMode(), kModeAM);
    EXPECT_EQ(row.intFilter(), kFilter6k);
    EXPECT_EQ(row.intAtt(), 1);
    EXPECT_EQ(row.tsfrq(), 8330);
    EXPECT_EQ(row.intTag(), 0);
    EXPECT_EQ(table.chData(1).lngFreq(), 0);
}

TEST(AutoMode, DefaultRowSetsTheRangeAndLeavesTheRemark) {
    test::MemoryHome home;
    clsAUTOMODE table;
    clsMchDATA row;
    setRow(row, 50000000, 54000000, "USB", "3k", "1k");
    row.setName1("Six metres");
    row.setName2("kept");
    row.setIntAtt(1);
    table.Default(row);
    EXPECT_EQ(row.name1(), std::string(16, ' '));
    EXPECT_EQ(row.name2(), "kept" + std::string(28, ' '));
    EXPECT_EQ(row.lngFreq(), 144000000);
    EXPECT_EQ(row.lngFreqHigh(), 146000000);
    EXPECT_EQ(row.intMode(), kModeFM);
    EXPECT_EQ(row.intFilter(), kFilter15k);
    EXPECT_EQ(row.tsfrq(), 20000);
    EXPECT_EQ(row.intAtt(), 0);
    table.DefaultBlank(row);
    EXPECT_EQ(row.lngFreq(), 0);
    EXPECT_EQ(row.lngFreqHigh(), 0);
    EXPECT_EQ(row.intMode(), kModeFM);
}

TEST(AutoMode, AnythingButARowReadsBlank) {
    test::MemoryHome home;
    home.write("Corvell.ini",
               "[AUTOMODE]\r\n"
               "CH01=\",,,,,,,\"\r\n"
               "CH02=x,y,144,146,FM,15k,OFF\r\n"
               "CH03=x,y,144,146,FM,15k,OFF,20k,extra\r\n"
               "CH04=garbage\r\n"
               "CH05=x,y,1300.5,1400,FM,15k,OFF,20k\r\n"
               "CH06=x,y,50,54,USB,230k,OFF,1k\r\n"
               "CH07\r\n");
    clsAUTOMODE table;
    table.setMode(kModeUSB);
    for (int16_t i = 1; i <= 5; ++i) {
        EXPECT_EQ(table.chData(i).lngFreq(), 0) << i;
    }
    EXPECT_EQ(table.chData(2).intMode(), kModeFM);  // the blank row's defaults
    EXPECT_EQ(table.chData(2).tsfrq(), 20000);
    EXPECT_EQ(table.chData(6).lngFreq(), 50000000);
    EXPECT_EQ(table.chData(6).intFilter(), kFilter6k);  // 230k is no USB filter
    EXPECT_EQ(table.check(52000000), 6);
    EXPECT_EQ(table.check(1350000000), 0);
    EXPECT_EQ(&table.chData(0), &table.chData(1));
    EXPECT_EQ(&table.chData(99), &table.chData(20));
}

}  // namespace
