#include <gtest/gtest.h>

#include "core/ChannelRowText.h"
#include "core/ReceiverCodes.h"
#include "core/clsMchDATA.h"

namespace {

using namespace corvell;

TEST(ChannelRowText, MegahertzTexts) {
    const struct {
        int32_t hz;
        const char* text;
    } cases[] = {
        {144000000, "144"},
        {145012500, "145.0125"},
        {10000, ".01"},
        {500000, ".5"},
        {145123456, "145.123456"},
        {1300000000, "1300"},
        {1, ".000001"},
        {0, "0"},
        {999999, ".999999"},
        {2147483647, "2147.483647"},
        {-500000, "-.5"},
        {-2147483647 - 1, "-2147.483648"},
    };
    for (const auto& c : cases) EXPECT_EQ(MHzText(c.hz), c.text) << c.hz;
}

TEST(ChannelRowText, MegahertzFieldsReadBack) {
    const struct {
        std::string text;
        int32_t hz;
    } cases[] = {
        {"145.5", 145500000},
        {"  145.5  ", 145500000},
        {"1 45.5", 145500000},  // blanks inside the number are skipped
        {".01", 10000},
        {"1300", 1300000000},
        {"1300.001", 0},
        {"0", 0},
        {"-5", 0},
        {"", 0},
        {"abc", 0},
        {"145.5MHz", 145500000},
        {"1.45e2", 145000000},
        {"1e999", 0},
        {".0000004", 0},
        {".0000006", 1},
        {std::string(5000, '9'), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadMHzField(c.text), c.hz) << c.text.substr(0, 20);
}

TEST(ChannelRowText, EightFieldsWrittenAndReadBack) {
    clsMchDATA row;
    row.setName1("Air band");
    row.setName2("VOR and tower");
    row.setLngFreq(118000000);
    row.setLngFreqHigh(136991667);
    row.setModeText("AM");
    row.setFilterText("6k");
    row.setIntAtt(1);
    row.setTsname("8.33k");
    const std::string text = ChannelRowText(row);
    EXPECT_EQ(text, "Air band,VOR and tower,118,136.991667,AM,6k,ON,8.33kHz");

    clsMchDATA back;
    back.setIntTag(1);
    ASSERT_TRUE(ReadChannelRowText(text, back));
    EXPECT_EQ(back.name1(), row.name1());
    EXPECT_EQ(back.name2(), row.name2());
    EXPECT_EQ(back.lngFreq(), 118000000);
    EXPECT_EQ(back.lngFreqHigh(), 136991667);
    EXPECT_EQ(back.intMode(), kModeAM);
    EXPECT_EQ(back.intFilter(), kFilter6k);
    EXPECT_EQ(back.intAtt(), 1);
    EXPECT_EQ(back.tsfrq(), 8330);
    EXPECT_EQ(back.intTag(), 1);  // not part of the text
}

TEST(ChannelRowText, OnlyExactlyEightFieldsAreARow) {
    const char* notRows[] = {"", " ", "a,b,144,146,FM,15k,OFF", "a,b,144,146,FM,15k,OFF,20k,x",
                             "garbage"};
    for (const char* text : notRows) {
        clsMchDATA row;
        row.setLngFreq(7);
        EXPECT_FALSE(ReadChannelRowText(text, row)) << text;
        EXPECT_EQ(row.lngFreq(), 7) << text;
    }
    clsMchDATA row;
    ASSERT_TRUE(ReadChannelRowText(",,,,,,,", row));
    EXPECT_EQ(row.lngFreq(), 0);
    EXPECT_EQ(row.intAtt(), 0);
    ASSERT_TRUE(ReadChannelRowText("n,r,144,146,FM,15k,ON ,20k", row));
    EXPECT_EQ(row.intAtt(), 0);  // "ON " is not "ON"
}

}  // namespace
