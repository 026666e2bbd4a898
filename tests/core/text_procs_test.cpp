#include <gtest/gtest.h>

#include "core/TextProcs.h"

namespace {

using namespace corvell;
using namespace std::string_literals;

TEST(TextProcs, NulTerminatedTexts) {
    EXPECT_EQ(StripAtNul("81\0garbage"s), "81");
    EXPECT_EQ(StripAtNul("no terminator"), "");
    EXPECT_EQ(CutAtNul("81\0garbage"s), "81");
    EXPECT_EQ(CutAtNul("no terminator"), "no terminator");
    EXPECT_EQ(CutAtNul(""), "");
}

TEST(TextProcs, InStrNoCase) {
    struct Case {
        int32_t start;
        const char* text;
        const char* find;
        int compare;
        int32_t want;
    };
    const Case cases[] = {
        {1, "C:/Dir/File.mch", "dir", 1, 4},
        {1, "C:/Dir/File.mch", "dir", 0, 0},
        {1, "C:/Dir/File.mch", "Dir", 0, 4},
        {5, "abcabc", "ABC", 1, 0},
        {4, "abcabc", "ABC", 1, 4},
        {1, "abc", "", 1, 1},
        {3, "abc", "", 1, 3},
        {9, "abc", "a", 1, 0},
        {1, "", "a", 1, 0},
        {0, "xa", "A", 1, 2},
        {1, "abc", "abcd", 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InStrNoCase(c.start, c.text, c.find, c.compare), c.want)
            << c.start << " " << c.text << " " << c.find;
    }
    EXPECT_EQ(InStrNoCase("Hello", "LL"), 3);
}

TEST(TextProcs, SplitCommaList) {
    struct Case {
        const char* text;
        int16_t count;
        std::vector<std::string> pieces;  // the whole list afterwards, spare element included
    };
    const Case cases[] = {
        {"a", 1, {"a", ""}},
        {",", 2, {"", ""}},
        {"a,b,", 3, {"a", "b", ""}},
        {"a,b", 2, {"a", "b", ""}},
        {" x , y ", 2, {" x ", " y ", ""}},
        {"OFF,ON", 2, {"OFF", "ON", ""}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> list{"old1", "old2", "old3", "old4", "old5"};
        EXPECT_EQ(SplitCommaList(c.text, list), c.count) << c.text;
        EXPECT_EQ(list, c.pieces) << c.text;
    }
    std::vector<std::string> untouched{"keep"};
    EXPECT_EQ(SplitCommaList("", untouched), 0);
    EXPECT_EQ(untouched, std::vector<std::string>{"keep"});

    std::vector<std::string> many;
    EXPECT_EQ(SplitCommaList("NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF", many), 10);
    EXPECT_EQ(many[2], "145.5");
    EXPECT_EQ(many[9], "OFF");

    // 65545 commas must not wrap round to a count of 10.
    std::vector<std::string> huge;
    EXPECT_EQ(SplitCommaList("1,2,3,4,5,6,7,8,9,10" + std::string(65536, ','), huge), INT16_MAX);
    EXPECT_EQ(huge.size(), 65546u);
    EXPECT_EQ(huge[9], "10");
}

TEST(TextProcs, FindStringIndex) {
    const std::vector<std::string> tones{"  OFF   ", "  67.0Hz", " 100.0Hz"};
    EXPECT_EQ(FindStringIndex(tones, "  67.0Hz", -1), 1);
    EXPECT_EQ(FindStringIndex(tones, "67.0Hz", -1), -1);
    EXPECT_EQ(FindStringIndexTrim(tones, "67.0Hz", -1), 1);
    EXPECT_EQ(FindStringIndexTrim(tones, "  100.0Hz  ", -1), 2);
    EXPECT_EQ(FindStringIndexTrim(tones, "OFF", 9), 0);
    EXPECT_EQ(FindStringIndexTrim(tones, "67.0hz", 9), 9);  // case counts
    EXPECT_EQ(FindStringIndex({}, "x", 5), 5);
}

}  // namespace
