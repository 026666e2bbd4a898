// The sends that go out at once on the caller's thread, and what the receiver answers to them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "tests/link-e2e/link_session.h"

namespace {

using e2e::LinkSession;
using e2e::rs;

class DirectSends : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(s.powerOn());
        rs("RsSetFrequency", 145000000);
        rs("RsSetMode", 5);
        rs("RsSetFilter", 2);
        rs("RsSetAfgain", 0x55);
        s.settle();
    }
    LinkSession s;
};

TEST_F(DirectSends, SendFreqSendsTheFrequencyLineAndNothingElse) {
    const size_t mark = s.mark();
    EXPECT_NE(rs("RsSendFreq"), 0);
    EXPECT_EQ(s.expectLines(mark, 1), std::vector<std::string>{"K00145000000050200"});
}

TEST_F(DirectSends, SendScanStartsAndStopsTheReceiversScan) {
    size_t mark = s.mark();
    EXPECT_NE(rs("RsSendScan", 129), 0);
    EXPECT_EQ(rs("RsGetScanStat"), 2);  // set by the library before any answer
    EXPECT_EQ(s.expectLines(mark, 1), std::vector<std::string>{"H881"});
    EXPECT_TRUE(s.rx().scanning());

    mark = s.mark();
    EXPECT_NE(rs("RsSendScan", 0), 0);
    EXPECT_EQ(s.expectLines(mark, 1), std::vector<std::string>{"H800"});
    EXPECT_FALSE(s.rx().scanning());
    EXPECT_TRUE(e2e::waitFor([] { return rs("RsGetScanStat") == 0; }));

    // A scan command with speed 0 counts as a stop.
    mark = s.mark();
    rs("RsSendScan", 128);
    EXPECT_EQ(rs("RsGetScanStat"), 0);
    EXPECT_EQ(s.expectLines(mark, 1), std::vector<std::string>{"H880"});
}

TEST_F(DirectSends, SetScanRxDataSendsFrequencyAttAndToneOnceAndClearsTheirFlags) {
    const size_t mark = s.mark();
    EXPECT_NE(rs("RsSetScanRxData", 433920000, 5, 1, 1, 12, 12500), 0);
    const std::vector<std::string> sent = {"K00433920000050100", "J4701", "J510C"};
    s.settle(200);  // four rotations: flags left raised would have been sent by now
    const std::vector<std::string> lines = s.linesSince(mark);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3), sent);
    // The sender may have taken a flag in the instant between its store and its clearing, and
    // send that group once more; flags left raised would send all three again.
    EXPECT_LT(lines.size(), 6u);
    for (size_t i = 3; i < lines.size(); ++i) {
        EXPECT_NE(std::find(sent.begin(), sent.end(), lines[i]), sent.end()) << lines[i];
    }
    EXPECT_EQ(rs("RsGetFrequency"), 433920000);
    EXPECT_EQ(rs("RsGetPllRefFrequency"), 12500);

    // Unchanged ATT and tone are not sent again; the frequency line always is.
    const size_t again = s.mark();
    rs("RsSetScanRxData", 433920000, 5, 1, 1, 12, 12500);
    EXPECT_EQ(s.expectLines(again, 1), std::vector<std::string>{"K00433920000050100"});
}

TEST_F(DirectSends, SendScopeStartsASweepWhoseLevelsComeBackThroughTheScopeBuffer) {
    std::array<uint8_t, 256> levels{};
    for (int i = 0; i < 256; ++i) levels[i] = static_cast<uint8_t>(255 - i);
    s.rx().setScopeLevels(levels);

    const size_t mark = s.mark();
    EXPECT_NE(rs("RsSendScope", 1, 40, 3, 12500), 0);
    EXPECT_EQ(s.expectLines(mark, 1), std::vector<std::string>{"ME0000128030100012500"});
    // 40 points, 20 on each side of index 128, come in four frames of 16: indexes 96..159.
    EXPECT_TRUE(e2e::waitFor([] { return rs("RsGetScopeBuff", 159) == 255 - 159; }));
    for (int i = 96; i < 160; ++i) EXPECT_EQ(rs("RsGetScopeBuff", i), 255 - i) << i;
    EXPECT_EQ(rs("RsGetScopeBuff", 95), 0);
    EXPECT_EQ(rs("RsGetScopeBuff", 160), 0);
    EXPECT_EQ(rs("RsGetScopeBuff", 256), 0);
    EXPECT_EQ(rs("RsGetScopeBuff", -1), 0);

    const size_t stop = s.mark();
    rs("RsSendScope", 0, 40, 3, 12500);
    EXPECT_EQ(s.expectLines(stop, 1), std::vector<std::string>{"ME0000128030000012500"});
    EXPECT_FALSE(s.rx().sweeping());
}

TEST_F(DirectSends, OneShotAfMuteMutesAtOnceAndTheSenderRestoresTheGainLater) {
    size_t mark = s.mark();
    EXPECT_NE(rs("RsSendOneShotAfMute", 300), 0);
    const rxemu::LineLog& log = s.rx().log();
    const auto muted = log.waitFor("J4000", mark, 1000);
    const auto restored = log.waitFor("J4055", mark, 3000);
    ASSERT_TRUE(muted && restored);
    EXPECT_GE((restored->timeUs - muted->timeUs) / 1000, 250);
    EXPECT_EQ(s.linesSince(mark), (std::vector<std::string>{"J4000", "J4055"}));

    mark = s.mark();
    rs("RsSendOneShotAfMute", 0);
    EXPECT_EQ(s.expectLines(mark, 1), std::vector<std::string>{"J4055"});
}

}  // namespace
