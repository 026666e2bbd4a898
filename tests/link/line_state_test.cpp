// What the port reports for CTS and DSR: lines found on at open, changes, and a device without
// modem lines whose CTS follows the receiver's answers.
#include "link/line_state.h"

#include <gtest/gtest.h>

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

TEST(LineStateTest, WithoutModemLinesCtsIsUpWhenTheReceiverAnsweredSinceTheLastRead) {
    LineState lines;
    lines.Opened(false, true, true);  // whatever the device claims, it cannot tell
    EXPECT_FALSE(lines.LinesKnown());
    EXPECT_EQ(lines.Cts(), 0);  // no answer since the open
    EXPECT_EQ(lines.Dsr(), 0);
    lines.Answered();
    lines.Answered();
    EXPECT_EQ(lines.Cts(), 1);
    EXPECT_EQ(lines.Cts(), 0);  // a receiver that fell silent reads as down at the next look
    lines.Answered();
    EXPECT_EQ(lines.Cts(), 1);
    lines.Answered();
    lines.Opened(false, false, false);  // an answer before a reopen does not count after it
    EXPECT_EQ(lines.Cts(), 0);
}

}  // namespace
