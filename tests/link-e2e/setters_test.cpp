// Setters of the library reach the wire through the sender's rotation as exactly the lines
// of their group; what does not change, or is never sent, stays off the wire.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/link-e2e/link_session.h"

namespace {

using e2e::LinkSession;
using e2e::rs;

struct SetterCase {
    const char* setter;
    int32_t value;
    std::vector<std::string> lines;
};

TEST(Setters, EachChangeReachesTheWireAsTheLinesOfItsGroup) {
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    rs("RsSetFrequency", 145000000);
    rs("RsSetMode", 0);
    rs("RsSetFilter", 0);
    rs("RsSetSql", 0);
    rs("RsSetVsc", 0);
    s.settle();

    // In order: each case starts from the values the cases before it left.
    const SetterCase cases[] = {
        {"RsSetFrequency", 82500000, {"K00082500000000000"}},
        {"RsSetMode", 6, {"K00082500000060000"}},
        {"RsSetFilter", 4, {"K00082500000060400"}},
        {"RsSetFrequency", 1300000000, {"K01300000000060400"}},
        {"RsSetFrequency", 10000, {"K00000010000060400"}},
        {"RsSetAfgain", 0x7F, {"J407F"}},
        {"RsSetAfmute", 1, {"J4000"}},
        {"RsSetAfmute", 0, {"J407F"}},
        {"RsSetAfgain", 0x100, {"J40100"}},  // more than two digits when above 255
        {"RsSetSql", 0x40, {"J4140", "J5000"}},
        {"RsSetMoni", 1, {"J4100", "J5000"}},
        {"RsSetMoni", 0, {"J4140", "J5000"}},
        {"RsSetSql", 0, {"J4101", "J5000"}},  // squelch 0 goes out as 1
        {"RsSetVsc", 1, {"J4101", "J5001"}},
        {"RsSetIfshift", 0x90, {"J4390"}},
        {"RsSetAgc", 2, {"J4502"}},
        {"RsSetNb", 1, {"J45000001"}},
        {"RsSetAtt", 1, {"J4701"}},
        {"RsSetAnl", 1, {"J4D01"}},
        {"RsSetBfoshift", 0x70, {"J4A70"}},
        {"RsSetCtcss", 12, {"J510C"}},
        {"RsSetBpftune", 0x33, {"LD82033"}},
        {"RsSetExtPlug", 1, {"JA100", "JA001"}},
        {"RsSetExtOutLevel", 5, {"JA105", "JA001"}},
        {"RsSetDspUnitOn", 1, {"J8001"}},
        {"RsSetDspOn", 1, {"J8101"}},
        {"RsSetDspNr", 3, {"J8203"}},
        {"RsSetDspAn", 1, {"J8301"}},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(std::string(c.setter) + "(" + std::to_string(c.value) + ")");
        const size_t mark = s.mark();
        EXPECT_EQ(rs(c.setter, c.value), c.value);
        EXPECT_EQ(s.expectLines(mark, c.lines.size()), c.lines);
    }
}

TEST(Setters, FrequencyModeAndFilterChangedTogetherGoOutOnThreeVisitsOfTheGroup) {
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    rs("RsSetFrequency", 145000000);
    rs("RsSetMode", 0);
    rs("RsSetFilter", 0);
    s.settle();
    const size_t mark = s.mark();
    rs("RsSetFrequency", 433920000);
    rs("RsSetMode", 5);
    rs("RsSetFilter", 1);
    const std::vector<std::string> line(3, "K00433920000050100");
    EXPECT_EQ(s.expectLines(mark, 3), line);
}

TEST(Setters, UnchangedRefusedAndUnsentValuesLeaveTheWireQuiet) {
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    rs("RsSetAfgain", 0x44);
    rs("RsSetFrequency", 145000000);
    s.settle();
    const size_t mark = s.mark();
    rs("RsSetAfgain", 0x44);
    rs("RsSetFrequency", 145000000);
    EXPECT_EQ(rs("RsSetFrequency", 9999), 9999);
    EXPECT_EQ(rs("RsSetFrequency", 1300000001), 1300000001);
    EXPECT_EQ(rs("RsSetFrequency", -145000000), -145000000);
    rs("RsSetAfc", rs("RsGetAfc") ^ 1);
    EXPECT_EQ(rs("RsSetPllRefFrequency", 6250), 6250);
    EXPECT_EQ(rs("RsSetPllRefFrequency", 7000), 5000);
    s.settle(250);  // five rotations
    EXPECT_TRUE(s.linesSince(mark).empty());
    EXPECT_EQ(rs("RsGetFrequency"), 145000000);
}

}  // namespace
