#include <gtest/gtest.h>

#include "core/clsProfileIO.h"
#include "tests/support/temp_home.h"

namespace {

using corvell::clsProfileIO;
using corvell::ProfileDate;

class ProfileIO : public ::testing::Test {
  protected:
    ProfileIO() {
        profile.SetCurrentPath();
        profile.setName("Corvell.ini");
        profile.setSection("DATA");
    }
    corvell::test::TempHome home;
    clsProfileIO profile;
};

TEST(ProfileIOPath, FileIsProgramDirectorySlashName) {
    corvell::test::TempHome home;
    clsProfileIO profile;
    EXPECT_EQ(profile.GetMyProfile(), "Profile.INI");  // before SetCurrentPath
    profile.SetCurrentPath();
    profile.setName("Corvell.ini");
    EXPECT_EQ(profile.path(), home.dir() + "/");
    EXPECT_EQ(profile.GetMyProfile(), home.dir() + "/Corvell.ini");
    ::setenv("CORVELL_HOME", "/", 1);
    profile.SetCurrentPath();
    EXPECT_EQ(profile.GetMyProfile(), "/Corvell.ini");
}

TEST_F(ProfileIO, WritesEachTypeAsItsText) {
    EXPECT_TRUE(profile.saveData("I16", int16_t{-5}));
    EXPECT_TRUE(profile.saveData("I32", int32_t{145000000}));
    EXPECT_TRUE(profile.saveData("BYTE", uint8_t{200}));
    EXPECT_TRUE(profile.saveData("SINGLE", 0.1f));
    EXPECT_TRUE(profile.saveData("DOUBLE", 145.0125));
    EXPECT_TRUE(profile.saveData("ON", true));
    EXPECT_TRUE(profile.saveData("OFF", false));
    EXPECT_TRUE(profile.saveData("TEXT", std::string(" padded ")));
    EXPECT_TRUE(profile.saveData("LITERAL", "20k"));
    EXPECT_TRUE(profile.saveData("WHEN", ProfileDate{2004, 7, 15, 18, 5, 9}));
    EXPECT_FALSE(profile.saveData("WIDE", 5LL));  // no such type in the file
    EXPECT_EQ(home.read("Corvell.ini"),
              "[DATA]\nI16=-5\nI32=145000000\nBYTE=200\nSINGLE=0.1\nDOUBLE=145.0125\nON=1\nOFF=0\n"
              "TEXT=\" padded \"\nLITERAL=\"20k\"\nWHEN=2004.07.15-18:05:09\n");
}

TEST_F(ProfileIO, ReadsBackWhatItWrote) {
    const std::string longText(1000, 'x');
    ASSERT_TRUE(profile.saveData("TEXT", std::string("  both ends  ")));
    ASSERT_TRUE(profile.saveData("LONG", longText));
    ASSERT_TRUE(profile.saveData("QUOTES", std::string("say \"hi\"")));
    ASSERT_TRUE(profile.saveData("WHEN", ProfileDate{2004, 7, 15, 18, 5, 9}));
    ASSERT_TRUE(profile.saveData("F", -2.75f));
    platform::clearProfileCache();

    std::string text, longRead, quotes;
    ProfileDate when;
    float f = 0;
    EXPECT_TRUE(profile.loadData("TEXT", text));
    EXPECT_EQ(text, "  both ends  ");
    EXPECT_TRUE(profile.loadData("LONG", longRead));
    EXPECT_EQ(longRead, longText);  // no cut at 254 characters
    EXPECT_TRUE(profile.loadData("QUOTES", quotes));
    EXPECT_EQ(quotes, "say \"hi\"");
    EXPECT_TRUE(profile.loadData("WHEN", when));
    EXPECT_EQ(when, (ProfileDate{2004, 7, 15, 18, 5, 9}));
    EXPECT_TRUE(profile.loadData("F", f));
    EXPECT_EQ(f, -2.75f);
}

TEST_F(ProfileIO, NumbersConvertStrictlyAndRoundHalfToEven) {
    home.write("Corvell.ini",
               "[DATA]\nA=2.5\nB=3.5\nC=abc\nD=\nE=70000\nF= -12 \nG=12abc\nH=1e3\nBYTE=300\n");
    struct Case {
        const char* key;
        bool ok;
        int16_t want;
    };
    const Case cases[] = {
        {"A", true, 2},   {"B", true, 4},  {"C", false, 7},   {"D", false, 7},      {"E", false, 7},
        {"F", true, -12}, {"G", false, 7}, {"H", true, 1000}, {"MISSING", true, 7},
    };
    for (const Case& c : cases) {
        int16_t v = 7;
        EXPECT_EQ(profile.loadData(c.key, v), c.ok) << c.key;
        EXPECT_EQ(v, c.want) << c.key;
    }
    int32_t big = 1;
    EXPECT_TRUE(profile.loadData("E", big));
    EXPECT_EQ(big, 70000);
    uint8_t b = 9;
    EXPECT_FALSE(profile.loadData("BYTE", b));
    EXPECT_EQ(b, 9);
    double d = 0;
    EXPECT_TRUE(profile.loadData("A", d));
    EXPECT_EQ(d, 2.5);
}

TEST_F(ProfileIO, Booleans) {
    home.write("Corvell.ini", "[DATA]\nEMPTY=\nZERO=0\nMINUS=-1\nWORD=False\n");
    const std::pair<const char*, bool> cases[] = {
        {"EMPTY", true},
        {"ZERO", false},
        {"MINUS", true},
        {"WORD", true},
    };
    for (const auto& [key, want] : cases) {
        bool v = !want;
        EXPECT_TRUE(profile.loadData(key, v)) << key;
        EXPECT_EQ(v, want) << key;
    }
    bool missing = false;
    EXPECT_TRUE(profile.loadData("NOPE", missing));
    EXPECT_FALSE(missing);
    missing = true;
    EXPECT_TRUE(profile.loadData("NOPE", missing));
    EXPECT_TRUE(missing);
}

TEST_F(ProfileIO, DatesCarryOverAndOtherLengthsLeaveTheTarget) {
    home.write("Corvell.ini",
               "[DATA]\nCARRY=2004.13.32-25:61:61\nSHORT=2004.07.15\nJUNK=abcd.ef.gh-ij:kl:mn\n");
    ProfileDate d;
    EXPECT_TRUE(profile.loadData("CARRY", d));
    EXPECT_EQ(d, (ProfileDate{2005, 2, 2, 2, 2, 1}));
    const ProfileDate before = d;
    EXPECT_TRUE(profile.loadData("SHORT", d));
    EXPECT_EQ(d, before);
    EXPECT_TRUE(profile.loadData("MISSING", d));
    EXPECT_EQ(d, before);
    EXPECT_FALSE(profile.loadData("JUNK", d));  // year 0 is out of range
    EXPECT_EQ(d, before);
}

TEST_F(ProfileIO, DefaultsOfTheTargetsTypeOnly) {
    int32_t freq = 1;
    EXPECT_FALSE(profile.loadData("RXFREQ", freq, int16_t{5}));
    EXPECT_EQ(freq, 1);
    EXPECT_TRUE(profile.loadData("RXFREQ", freq, int32_t{145000000}));
    EXPECT_EQ(freq, 145000000);
    std::string ts = "x";
    EXPECT_TRUE(profile.loadData("TS", ts, "20k"));
    EXPECT_EQ(ts, "20k");
    long long wide = 3;
    EXPECT_FALSE(profile.loadData("RXFREQ", wide));
    EXPECT_EQ(wide, 3);
}

TEST_F(ProfileIO, KillKeyAndFailures) {
    ASSERT_TRUE(profile.saveData("NUM", int16_t{3}));
    ASSERT_TRUE(profile.saveData("KEEP", int16_t{4}));
    EXPECT_NE(profile.killKey("num"), 0);
    EXPECT_EQ(home.read("Corvell.ini"), "[DATA]\nKEEP=4\n");

    profile.setSection("");
    EXPECT_FALSE(profile.saveData("NUM", int16_t{3}));

    profile.setSection("DATA");
    profile.setName("missing-dir/Corvell.ini");
    EXPECT_FALSE(profile.saveData("NUM", int16_t{3}));
    EXPECT_EQ(profile.killKey("NUM"), 1);  // nothing there to remove
}

TEST(ProfileStrip, StripTerminator) {
    using namespace std::string_literals;
    EXPECT_EQ(clsProfileIO::StripTerminator("abc\0def"s), "abc");
    EXPECT_EQ(clsProfileIO::StripTerminator("abc"), "abc");
}

}  // namespace
