// The DTMF remote-action settings and section "DTMF".
#include <gmock/gmock.h>

#include "core/clsDtmfOption.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

using ::testing::HasSubstr;

class DtmfOptionTest : public RxTest {
  protected:
    void withSection(const std::string& body) {
        home.write("Corvell.ini", "[DTMF]\r\n" + body);
        platform::clearProfileCache();
    }
    clsDtmfOption option;
};

TEST_F(DtmfOptionTest, WithoutTheSectionEverythingIsBlankAndSavesSo) {
    option.remo_param_load();
    EXPECT_FALSE(option.DtmfOn());
    EXPECT_FALSE(option.RemoteOn());
    for (int n = 0; n < clsDtmfOption::kEntries; ++n) {
        EXPECT_EQ(option.GetRecieveCode(n), "");
        EXPECT_EQ(option.GetActionType(n), 0);
        EXPECT_EQ(option.GetActionFile(n), "");
    }
    option.remo_param_save();
    const std::string file = ini();
    for (int n = 0; n < clsDtmfOption::kEntries; ++n) {
        EXPECT_THAT(file, HasSubstr("REMOTE" + std::to_string(n) + "=\",0,\""));
    }
    EXPECT_THAT(file, HasSubstr("DTMFON=0"));
    EXPECT_THAT(file, HasSubstr("REMOTEON=0"));
}

TEST_F(DtmfOptionTest, EntriesSplitAtTheirFirstTwoCommas) {
    withSection(
        "DTMFON=1\r\nREMOTEON=-1\r\nREMOTE0=9,0,Hello\r\nREMOTE3=123,1,C:\\TOOLS\\RUN.EXE\r\n"
        "REMOTE1=123,1\r\nREMOTE2=55,2.5,ring.wav\r\nREMOTE4=66,x,a.wav\r\n"
        "REMOTE5=1,0,a,b\r\n");
    option.SetActionType(4, 2);  // a type that does not convert leaves the one held
    option.remo_param_load();
    EXPECT_TRUE(option.DtmfOn());
    EXPECT_TRUE(option.RemoteOn());
    EXPECT_EQ(option.GetRecieveCode(0), "9");
    EXPECT_EQ(option.GetActionFile(0), "Hello");
    EXPECT_EQ(option.GetRecieveCode(3), "123");
    EXPECT_EQ(option.GetActionType(3), 1);
    EXPECT_EQ(option.GetActionFile(3), "C:\\TOOLS\\RUN.EXE");
    EXPECT_EQ(option.GetRecieveCode(1), "");
    EXPECT_EQ(option.GetActionType(1), 0);
    EXPECT_EQ(option.GetActionType(2), 2);  // 2.5 rounds half to even
    EXPECT_EQ(option.GetActionFile(2), "ring.wav");
    EXPECT_EQ(option.GetActionType(4), 2);
    EXPECT_EQ(option.GetRecieveCode(4), "66");
    EXPECT_EQ(option.GetRecieveCode(5), "1");  // the text keeps its comma
    EXPECT_EQ(option.GetActionFile(5), "a,b");
}

// Whatever the dialog or the file put into an entry comes back the same after a save and a
// fresh start: commas, quotes and blanks in the text, long paths, a type that names no action.
TEST_F(DtmfOptionTest, EveryEntryWrittenReadsBackTheSame) {
    struct Entry {
        std::string code;
        int16_t type;
        std::string text;
    };
    const Entry entries[clsDtmfOption::kEntries] = {
        {"12#", 0, "Net at 20:00, channel 3, bring \"log, book\""},
        {"*9", 1, "/home/user/my tools/run; rm -rf ~,now.sh"},
        {"", 2, ",,"},
        {"A", 7, "  blanks around  "},
        {"0", 0, ""},
        {"D", 1, "/tmp/" + std::string(5000, 'x')},
    };
    for (int n = 0; n < clsDtmfOption::kEntries; ++n) {
        const Entry& e = entries[n];
        option.SetRecieveCode(n, e.code);
        option.SetActionType(n, e.type);
        option.SetActionFile(n, e.text);
    }
    option.setRemoteOn(true);
    option.remo_param_save();
    platform::clearProfileCache();
    clsDtmfOption again;
    again.remo_param_load();
    EXPECT_TRUE(again.RemoteOn());
    for (int n = 0; n < clsDtmfOption::kEntries; ++n) {
        const Entry& e = entries[n];
        EXPECT_EQ(again.GetRecieveCode(n), e.code) << n;
        EXPECT_EQ(again.GetActionType(n), e.type) << n;
        EXPECT_EQ(again.GetActionFile(n), e.text) << n;
    }
}

TEST_F(DtmfOptionTest, FewerThanThreeFieldsLoadBlank) {
    withSection("REMOTE0=\r\nREMOTE1=9\r\nREMOTE2=9,1\r\nREMOTE3=9,1,\r\n");
    for (int n = 0; n < 3; ++n) {
        option.SetRecieveCode(n, "x");
        option.SetActionType(n, 2);
        option.SetActionFile(n, "y");
    }
    option.remo_param_load();
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(option.GetRecieveCode(n), "") << n;
        EXPECT_EQ(option.GetActionType(n), 0) << n;
        EXPECT_EQ(option.GetActionFile(n), "") << n;
    }
    EXPECT_EQ(option.GetRecieveCode(3), "9");  // three fields, the text empty
    EXPECT_EQ(option.GetActionType(3), 1);
}

TEST_F(DtmfOptionTest, ACodeNoDecoderCanSendLoadsBlankAndIsLogged) {
    withSection(
        "REMOTE1=1 2,0,a\r\nREMOTE2=x#,1,/bin/true\r\nREMOTE3=12ab,0,c\r\n"
        "REMOTE4=*0#AD,2,bell.wav\r\nREMOTE5=,0,\r\n");
    ::testing::internal::CaptureStderr();
    option.remo_param_load();
    const std::string log = ::testing::internal::GetCapturedStderr();
    for (int n : {1, 2, 3}) {
        EXPECT_EQ(option.GetRecieveCode(n), "") << n;
        EXPECT_EQ(option.GetActionType(n), 0) << n;
        EXPECT_EQ(option.GetActionFile(n), "") << n;
        EXPECT_THAT(log, HasSubstr("REMOTE" + std::to_string(n))) << n;
    }
    EXPECT_EQ(option.GetRecieveCode(4), "*0#AD");
    EXPECT_EQ(option.GetActionFile(4), "bell.wav");
    EXPECT_THAT(log, ::testing::Not(HasSubstr("REMOTE4")));
    EXPECT_THAT(log, ::testing::Not(HasSubstr("REMOTE5")));  // a blank entry is no fault
}

TEST_F(DtmfOptionTest, SaveAndLoadRoundTrip) {
    option.setDtmfOn(true);
    option.SetRecieveCode(4, "*1#");
    option.SetActionType(4, 2);
    option.SetActionFile(4, "/home/user/bell.wav");
    option.remo_param_save();
    EXPECT_THAT(ini(), HasSubstr("REMOTE4=\"*1#,2,/home/user/bell.wav\""));
    platform::clearProfileCache();
    clsDtmfOption again;
    again.remo_param_load();
    EXPECT_TRUE(again.DtmfOn());
    EXPECT_FALSE(again.RemoteOn());
    EXPECT_EQ(again.GetRecieveCode(4), "*1#");
    EXPECT_EQ(again.GetActionType(4), 2);
    EXPECT_EQ(again.GetActionFile(4), "/home/user/bell.wav");
}

TEST_F(DtmfOptionTest, EntriesOutsideTheSixAreIgnored) {
    for (int n : {-1, 6, 100}) {
        option.SetRecieveCode(n, "1");
        option.SetActionType(n, 1);
        option.SetActionFile(n, "x");
        EXPECT_EQ(option.GetRecieveCode(n), "");
        EXPECT_EQ(option.GetActionType(n), 0);
        EXPECT_EQ(option.GetActionFile(n), "");
    }
}

}  // namespace
}  // namespace corvell::test
