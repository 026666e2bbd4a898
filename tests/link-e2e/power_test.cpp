// Switching the receiver on and off through the real library, seen byte for byte on the wire.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/link-e2e/link_session.h"

namespace {

using e2e::LinkSession;
using e2e::rs;

std::vector<std::string> sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

int64_t gapMs(const std::vector<rxemu::ReceivedLine>& lines, size_t from, size_t to) {
    return (lines[to].timeUs - lines[from].timeUs) / 1000;
}

TEST(PowerOn, SendsTheSequenceWithItsPausesThenEveryRaisedFlagInSendStepOrder) {
    if (e2e::libraryUsed()) GTEST_SKIP() << "needs a fresh process (ctest runs each test alone)";
    LinkSession s;
    const size_t mark = s.mark();
    ASSERT_TRUE(s.powerOn());

    std::vector<std::string> expected = e2e::powerOnSequence();
    const std::vector<std::string> flagLines = e2e::defaultPowerOnFlagLines();
    expected.insert(expected.end(), flagLines.begin(), flagLines.end());
    EXPECT_EQ(s.expectLines(mark, expected.size()), expected);

    // The receiver follows the move to 38400 baud; the pauses of the sequence are kept (loosely:
    // these are the 200 ms waits, not a measure of speed).
    EXPECT_EQ(s.rx().speed(), 38400);
    const auto lines = s.rx().log().since(mark);
    ASSERT_GE(lines.size(), 11u);
    EXPECT_GE(gapMs(lines, 0, 1), 150) << "H101 to G105";
    EXPECT_GE(gapMs(lines, 1, 2), 300) << "G105 to J4000: the speed change and the pause after it";
    EXPECT_GE(gapMs(lines, 9, 10), 150) << "G301 to the sender's first line";
    EXPECT_EQ(rs("RsGetPowerOnStat"), 1);
}

TEST(PowerOn, ValuesSetWhileOffReachTheReceiverAtPowerOn) {
    LinkSession s;
    rs("RsSetFrequency", 82500000);
    rs("RsSetMode", 6);
    rs("RsSetFilter", 4);
    rs("RsSetAfgain", 0x90);
    rs("RsSetSql", 0x30);
    rs("RsSetExtOutLevel", 7);
    const size_t mark = s.mark();
    ASSERT_TRUE(s.powerOn());
    s.settle();
    const std::vector<std::string> lines = s.linesSince(mark);
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("K00082500000060400"));
    EXPECT_TRUE(has("J4090"));
    EXPECT_TRUE(has("J4130"));
    EXPECT_TRUE(has("JA107"));
    // Nothing of the old values goes out.
    EXPECT_FALSE(has("K00145000000000000"));
}

TEST(PowerOff, SendsH100DropsTheLinkAndALaterPowerOnRunsTheSequenceAgain) {
    if (e2e::libraryUsed()) GTEST_SKIP() << "needs a fresh process (ctest runs each test alone)";
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    s.settle();

    size_t mark = s.mark();
    e2e::mustFinishWithin(5000, "RsPowerOff", [&] { s.powerOff(); });
    EXPECT_EQ(s.expectLines(mark, 1), std::vector<std::string>{"H100"});
    EXPECT_EQ(rs("RsGetPowerOnStat"), 0);
    EXPECT_FALSE(s.rx().poweredOn());
    // Switched off, the link sends nothing more, even for a changed setting.
    mark = s.mark();
    rs("RsSetAfgain", rs("RsGetAfgain") + 1);
    s.settle(200);
    EXPECT_TRUE(s.linesSince(mark).empty());

    mark = s.mark();
    ASSERT_TRUE(s.powerOn());
    s.settle();
    const std::vector<std::string> lines = s.linesSince(mark);
    ASSERT_NO_FATAL_FAILURE(e2e::expectPowerOnSequenceFirst(lines));
    // The rotation goes on where it stopped, so the flagged lines come in another order, but
    // all of them come, with the AF gain changed while off.
    std::vector<std::string> flagLines(lines.begin() + e2e::powerOnSequence().size(), lines.end());
    std::vector<std::string> expected = e2e::defaultPowerOnFlagLines();
    std::replace(expected.begin(), expected.end(), std::string("J4000"), std::string("J4001"));
    EXPECT_EQ(sorted(flagLines), sorted(expected));
    EXPECT_EQ(rs("RsGetPowerOnStat"), 1);
}

}  // namespace
