// The DTMF decoder: code values to characters, each report taken once and re-armed, out-of-range
// values left alone, the idle clear on the timer's sixth tick, and the remote-action match: the
// whole string, once per string, the shorter code first, the lowest entry on a tie, nothing
// while remote actions are off.
#include <gmock/gmock.h>

#include "core/clsDtmfOption.h"
#include "panels/dtmf/DtmfDecoder.h"
#include "panels/dtmf/RemoteActions.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

using panels::DtmfDecoder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct Ran {
    int16_t type;
    std::string text;
    bool operator==(const Ran&) const = default;
};

class RecordingRunner : public panels::RemoteActionRunner {
  public:
    void RunAction(int16_t type, const std::string& text) override { ran.push_back({type, text}); }
    std::vector<Ran> ran;
};

TEST(DtmfCodes, ValuesSixteenToThirtyOneAreTheSixteenCharacters) {
    const std::string characters = "0123456789ABCD*#";
    for (int v = 16; v <= 31; ++v) {
        EXPECT_EQ(DtmfDecoder::CharacterOf(v), characters[static_cast<std::size_t>(v - 16)]) << v;
    }
    for (int v : {-1, 0, 1, 15, 32, 255, 0x10010}) {
        EXPECT_EQ(DtmfDecoder::CharacterOf(v), std::nullopt) << v;
    }
}

class DtmfDecoderTest : public RxTest {
  protected:
    DtmfDecoderTest() {
        load();
        rx->setPower(1);
        option().setDtmfOn(true);
        rs.clear();
        decoder = std::make_unique<DtmfDecoder>(*rx, rx->DtmfOption(), runner);
    }
    clsDtmfOption& option() { return rx->DtmfOption(); }
    void entry(int n, const std::string& code, int16_t type, const std::string& text) {
        option().SetRecieveCode(n, code);
        option().SetActionType(n, type);
        option().SetActionFile(n, text);
    }
    // The receiver reports a key; the next tick takes it.
    void report(int32_t value) {
        rs.setValue("Dtmfr", value);
        decoder->Poll();
    }
    void keys(const std::string& text) {
        for (char c : text)
            report(16 + static_cast<int32_t>(std::string("0123456789ABCD*#").find(c)));
    }
    void seconds(int n) {
        for (int i = 0; i < n; ++i) decoder->Timer1_Timer();
    }

    RecordingRunner runner;
    std::unique_ptr<DtmfDecoder> decoder;
};

TEST_F(DtmfDecoderTest, EachReportIsTakenOnceAndReArmed) {
    report(16);
    report(17);
    report(31);
    EXPECT_EQ(decoder->ReceivedCode(), "01#");
    EXPECT_EQ(rs.count("RsSetDtmfr"), 3);
    EXPECT_EQ(rs.value("Dtmfr"), 0);
    decoder->Poll();  // nothing new reported
    EXPECT_EQ(decoder->ReceivedCode(), "01#");
}

TEST_F(DtmfDecoderTest, OutOfRangeValuesAreIgnoredAndNotReArmed) {
    for (int32_t v : {0, 15, 32, 200, -3}) {
        report(v);
        EXPECT_EQ(decoder->ReceivedCode(), "") << v;
        EXPECT_EQ(rs.value("Dtmfr"), v) << v;
    }
    EXPECT_EQ(rs.count("RsSetDtmfr"), 0);
}

TEST_F(DtmfDecoderTest, NothingIsReadWhileOffOrAfterALinkFailure) {
    keys("1");
    rx->setPower(0);
    rs.clear();
    report(18);
    rx->setPower(1);
    rx->setError(1);
    report(18);
    EXPECT_EQ(rs.count("RsGetDtmfr"), 0);
    EXPECT_EQ(decoder->ReceivedCode(), "1");  // kept, as is the pending report
    rx->setError(0);
    decoder->Poll();
    EXPECT_EQ(decoder->ReceivedCode(), "12");
}

TEST_F(DtmfDecoderTest, DisplayOffEmptiesTheStringAndLeavesTheLinkAlone) {
    keys("12");
    option().setDtmfOn(false);
    rs.clear();
    report(19);
    EXPECT_EQ(decoder->ReceivedCode(), "");
    EXPECT_EQ(rs.count("RsGetDtmfr"), 0);
    option().setDtmfOn(true);
    decoder->Poll();  // the code the link still holds is taken
    EXPECT_EQ(decoder->ReceivedCode(), "3");
}

TEST_F(DtmfDecoderTest, TheStringClearsOnTheSixthTimerTickAfterTheLastCharacter) {
    keys("12");
    seconds(3);
    keys("3");  // a new character starts the count again
    seconds(5);
    EXPECT_EQ(decoder->ReceivedCode(), "123");
    EXPECT_EQ(decoder->IdleMs(), 5000);
    seconds(1);
    EXPECT_EQ(decoder->ReceivedCode(), "");
    EXPECT_EQ(decoder->IdleMs(), 0);
}

TEST_F(DtmfDecoderTest, TwentyFiveCharactersAreAllKept) {
    keys("0123456789ABCD*#0123456789");
    EXPECT_EQ(decoder->ReceivedCode(), "0123456789ABCD*#0123456789");
}

TEST_F(DtmfDecoderTest, AnActionRunsOncePerStringAndTheShorterCodeFirst) {
    option().setRemoteOn(true);
    entry(1, "123", 1, "/bin/long");
    entry(3, "12", 0, "short");
    keys("12");
    decoder->Poll();
    decoder->Poll();
    keys("3");
    EXPECT_THAT(runner.ran, ElementsAre(Ran{0, "short"}));
    EXPECT_TRUE(decoder->ActionDone());
    seconds(6);  // silence clears the string and allows the next action
    EXPECT_FALSE(decoder->ActionDone());
    keys("123");
    EXPECT_THAT(runner.ran, ElementsAre(Ran{0, "short"}, Ran{0, "short"}));
}

TEST_F(DtmfDecoderTest, TheLowestMatchingEntryWinsAndTheWholeStringMustMatch) {
    option().setRemoteOn(true);
    entry(0, "", 1, "/blank/code/never/runs");
    entry(2, "*9#", 2, "two");
    entry(4, "*9#", 0, "four");
    entry(5, "9", 0, "part of the string");
    keys("*9#");
    EXPECT_THAT(runner.ran, ElementsAre(Ran{2, "two"}));
}

TEST_F(DtmfDecoderTest, ACodeInLowerCaseNeverMatches) {
    option().setRemoteOn(true);
    entry(1, "a1", 0, "never");
    keys("A1");
    EXPECT_THAT(runner.ran, IsEmpty());
}

TEST_F(DtmfDecoderTest, RemoteActionsOffRunNothing) {
    entry(1, "123#", 1, "/bin/true");
    keys("123#");
    EXPECT_THAT(runner.ran, IsEmpty());
    EXPECT_FALSE(decoder->ActionDone());
}

TEST_F(DtmfDecoderTest, ATypeThatNamesNoActionStillCountsAsTheStringsAction) {
    option().setRemoteOn(true);
    entry(1, "5", 9, "x");
    entry(2, "5", 0, "second");
    keys("5");
    EXPECT_THAT(runner.ran, ElementsAre(Ran{9, "x"}));  // RemoteActions runs nothing for it
    EXPECT_TRUE(decoder->ActionDone());
}

}  // namespace
}  // namespace corvell::test
