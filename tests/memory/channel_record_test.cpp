#include <gtest/gtest.h>

#include "core/ReceiverCodes.h"
#include "core/clsMchDATA.h"

namespace {

using namespace corvell;

TEST(ChannelRecord, NamesAreFixedWidthWithoutCommas) {
    struct Case {
        const char* written;
        std::string name1;  // as read back: always 16 characters
    };
    const Case cases[] = {
        {"a,b", "a b" + std::string(13, ' ')},
        {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOP"},
        {"", std::string(16, ' ')},
        {"  lead", "  lead" + std::string(10, ' ')},
        // A line break or NUL would split or cut the file line the name is stored in.
        {"a\r\nb\tc", "a  b c" + std::string(10, ' ')},
    };
    for (const Case& c : cases) {
        clsMchDATA r;
        r.setName1(c.written);
        EXPECT_EQ(r.name1(), c.name1) << c.written;
    }
    clsMchDATA r;
    r.setName1(std::string("x\0y", 3));
    EXPECT_EQ(r.name1(), "x y" + std::string(13, ' '));

    r.setName2(std::string(40, 'r'));
    EXPECT_EQ(r.name2(), std::string(32, 'r'));
    r.setName2("remark,with,commas");
    EXPECT_EQ(r.name2(), "remark with commas" + std::string(14, ' '));
}

TEST(ChannelRecord, NamesCountCharactersNotBytes) {
    clsMchDATA r;
    // 18 two-byte characters: the name keeps 16 whole characters, padded to nothing.
    std::string greek;
    for (int i = 0; i < 18; ++i) greek += "\xCE\xB1";
    r.setName1(greek);
    EXPECT_EQ(r.name1(), greek.substr(0, 32));
    r.setName1("\xE5\x91\xA8\xE6\xB3\xA2");  // two three-byte characters
    EXPECT_EQ(r.name1(), "\xE5\x91\xA8\xE6\xB3\xA2" + std::string(14, ' '));
    // A damaged sequence counts byte by byte and is never read past the text's end.
    r.setName1("\xE5\x91");
    EXPECT_EQ(r.name1(), "\xE5\x91" + std::string(14, ' '));
}

TEST(ChannelRecord, ModeTextReadsAndWrites) {
    const struct {
        int16_t code;
        const char* text;
    } reads[] = {{0, "LSB"}, {1, "USB"}, {2, "AM"}, {3, "CW"}, {4, "AM"},
                 {5, "FM"},  {6, "WFM"}, {7, "AM"}, {-1, "AM"}};
    for (const auto& c : reads) {
        clsMchDATA r;
        r.setIntMode(c.code);
        EXPECT_EQ(r.ModeText(), c.text) << c.code;
    }
    const struct {
        const char* text;
        int16_t code;
    } writes[] = {{"LSB", 0}, {"USB", 1}, {"AM", 2}, {"CW", 3}, {"FM", 5},
                  {"WFM", 6}, {"fm", 2},  {"", 2},   {" FM", 2}};
    for (const auto& c : writes) {
        clsMchDATA r;
        r.setModeText(c.text);
        EXPECT_EQ(r.intMode(), c.code) << c.text;
    }
}

TEST(ChannelRecord, TextWritesKeepTheFilterInTheModesRange) {
    const struct {
        int16_t mode;
        int16_t filter;
        const char* modeText;    // written first, when not null
        const char* filterText;  // then written, when not null
        int16_t expected;
    } cases[] = {
        {0, 0, "WFM", nullptr, 3},  {0, 4, "FM", nullptr, 3}, {6, 4, "USB", nullptr, 1},
        {5, 2, nullptr, "230k", 3}, {0, 0, nullptr, "9k", 1}, {6, 0, nullptr, "3k", 3},
        {6, 0, nullptr, "230k", 4}, {2, 0, nullptr, "6k", 1}, {3, 0, nullptr, "15k", 1},
        {9, 0, nullptr, "3k", 1},
    };
    for (const auto& c : cases) {
        clsMchDATA r;
        r.setIntMode(c.mode);
        r.setIntFilter(c.filter);
        if (c.modeText) r.setModeText(c.modeText);
        if (c.filterText) r.setFilterText(c.filterText);
        EXPECT_EQ(r.intFilter(), c.expected) << c.mode << " " << (c.modeText ? c.modeText : "-")
                                             << " " << (c.filterText ? c.filterText : "-");
    }
    // Direct writes store whatever they are given.
    clsMchDATA r;
    r.setIntMode(kModeWFM);
    r.setIntFilter(kFilter3k);
    EXPECT_EQ(r.intFilter(), kFilter3k);
}

TEST(ChannelRecord, FilterTextReadsFallBackTo50k) {
    const char* expected[] = {"3k", "6k", "15k", "50k", "230k", "50k"};
    for (int16_t code = 0; code <= 5; ++code) {
        clsMchDATA r;
        r.setIntFilter(code);
        EXPECT_EQ(r.FilterText(), expected[code]);
    }
    clsMchDATA r;
    r.setIntFilter(7);
    EXPECT_EQ(r.FilterText(), "50k");
}

TEST(ChannelRecord, StepByNameAndCopiesOwnTheirStep) {
    clsMchDATA r;
    EXPECT_EQ(r.tsfrq(), 20000);  // a new record's step
    r.setTsname("12.5k");
    EXPECT_EQ(r.tsname(), "12.5kHz");
    EXPECT_EQ(r.tsfrq(), 12500);

    clsMchDATA copy = r;
    copy.setTsname("1M");
    EXPECT_EQ(copy.tsfrq(), 1000000);
    EXPECT_EQ(r.tsfrq(), 12500);
}

}  // namespace
