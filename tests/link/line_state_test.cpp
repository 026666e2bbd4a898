// What the port reports for CTS and DSR: lines found on at open, changes, and a device without
// modem lines whose CTS follows the age of the receiver's last answer.
#include "link/line_state.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <string>

#include "platform/tick_count.h"

namespace {

using quillon::LineState;

TEST(LineStateTest, ALineAlreadyOnWhenThePortOpensReadsAsOn) {
    struct Case {
        bool cts, dsr;
    };
    for (const Case c :
         {Case{true, true}, Case{true, false}, Case{false, true}, Case{false, false}}) {
        SCOPED_TRACE(testing::Message() << "cts " << c.cts << " dsr " << c.dsr);
        LineState lines;
        lines.Opened(true, c.cts, c.dsr);
        EXPECT_TRUE(lines.LinesKnown());
        for (int read = 0; read < 3; ++read) {  // reading does not use the state up
            EXPECT_EQ(lines.Cts(), c.cts ? 1 : 0);
            EXPECT_EQ(lines.Dsr(), c.dsr ? 1 : 0);
        }
    }
}

TEST(LineStateTest, ReportedLinesFollowTheirChangesAndIgnoreTheAnswers) {
    LineState lines;
    lines.Opened(true, true, true);
    lines.CtsChanged(false);
    lines.Answered();
    EXPECT_EQ(lines.Cts(), 0);  // a real line that dropped is down, answers or not
    lines.CtsChanged(true);
    lines.DsrChanged(false);
    EXPECT_EQ(lines.Cts(), 1);
    EXPECT_EQ(lines.Dsr(), 0);
    lines.Opened(true, false, false);  // a fresh open starts from the device again
    EXPECT_EQ(lines.Cts(), 0);
}

class LineStateClock : public ::testing::Test {
  protected:
    void SetUp() override { platform::setTickSource(&ticks); }
    void TearDown() override { platform::setTickSource(nullptr); }
    static uint32_t ticks() { return now.load(); }
    static inline std::atomic<uint32_t> now{0};
};

TEST_F(LineStateClock, WithoutModemLinesCtsIsUpWhileTheLastReplyIsNoOlderThanThePeriod) {
    struct Case {
        uint32_t answeredAt, readAt;
        int32_t cts;
    };
    const Case cases[] = {
        {5000, 5000, 1},
        {5000, 6000, 1},  // it came in at the previous look, a period ago
        {5000, 6001, 0},  // more than a period of silence
        {5000, 60000, 0},
        {0xFFFFFF00u, 0xFFFFFF00u + 1000, 1},  // across the wrap of the tick count
        {0xFFFFFF00u, 0xFFFFFF00u + 1001, 0},
        // Silences of about half the tick range (24.8 days) and more stay silences: an age
        // past half the range is no reply from the future.
        {5000, 5000 + 0x7FFFFFFFu, 0},
        {5000, 5000 + 0x80000000u, 0},
        {5000, 5000 + 0x80000001u, 0},
        {0xFFFFFF00u, 0xFFFFFF00u + 0x80000000u, 0},
        {5000, 4990, 0},  // 2^32 - 10 ms: the clock went nearly round since the reply
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "answered " << c.answeredAt << ", read " << c.readAt);
        LineState lines;
        lines.Opened(false, true, true, 1000);  // whatever the device claims, it cannot tell
        EXPECT_FALSE(lines.LinesKnown());
        now = c.answeredAt;
        lines.Answered();
        now = c.readAt;
        for (int read = 0; read < 3; ++read) {  // every reader sees the same
            EXPECT_EQ(lines.Cts(), c.cts);
            EXPECT_EQ(lines.Dsr(), 0);
        }
    }
}

TEST_F(LineStateClock, WithoutModemLinesCtsIsDownUntilTheFirstReplyAfterAnOpen) {
    now = 1000;
    LineState lines;
    lines.Opened(false, false, false, 10000);
    EXPECT_EQ(lines.Cts(), 0);
    lines.Answered();
    now = 1500;
    lines.Answered();  // the latest reply counts
    now = 11500;
    EXPECT_EQ(lines.Cts(), 1);
    now = 11501;
    EXPECT_EQ(lines.Cts(), 0);
    now = 11600;
    lines.Answered();
    EXPECT_EQ(lines.Cts(), 1);
    lines.Opened(false, false, false, 10000);  // an answer before a reopen does not count after
    EXPECT_EQ(lines.Cts(), 0);
}

TEST(LineStateTest, ThePeriodComesFromTheEnvironmentAndAnUnusableOneKeepsTheDefault) {
    struct Case {
        const char* text;  // nullptr: not set
        uint32_t periodMs;
        bool complains;
    };
    const Case cases[] = {
        {nullptr, 10000, false}, {"", 10000, false},    {"1000", 1000, false},
        {"1", 1, false},         {"0", 10000, true},    {"-5", 10000, true},
        {"12x", 10000, true},    {" 500", 10000, true}, {"99999999999999999999", 10000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(not set)");
        if (c.text) {
            ::setenv(LineState::kWatchPeriodVariable, c.text, 1);
        } else {
            ::unsetenv(LineState::kWatchPeriodVariable);
        }
        testing::internal::CaptureStderr();
        EXPECT_EQ(LineState::WatchPeriodFromEnvironment(), c.periodMs);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.find(LineState::kWatchPeriodVariable) != std::string::npos, c.complains)
            << err;
    }
    ::unsetenv(LineState::kWatchPeriodVariable);
}

}  // namespace
