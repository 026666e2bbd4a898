#include <gtest/gtest.h>

#include "core/clsProfileIO.h"
#include "core/clsSettingTessel.h"
#include "tests/core/temp_home.h"

namespace {

using corvell::clsProfileIO;
using corvell::clsSettingTessel;

class Settings : public ::testing::Test {
  protected:
    Settings() {
        profile.SetCurrentPath();
        profile.setName("Corvell.ini");
    }
    corvell::test::TempHome home;
    clsProfileIO profile;
};

TEST_F(Settings, DefaultsWithoutAFile) {
    clsSettingTessel s;
    s.loadData(&profile);
    EXPECT_EQ(s.DialSpeed, 1);
    EXPECT_EQ(s.Connect, 0);
    EXPECT_EQ(s.ToolBarView, 1);
    EXPECT_EQ(s.COMPort, 0);
    EXPECT_EQ(s.Plug, 0);
    EXPECT_EQ(s.OutLevel, 0);
    EXPECT_EQ(profile.Section(), "DATA");
    EXPECT_FALSE(std::filesystem::exists(profile.GetMyProfile()));
}

TEST_F(Settings, ComPortOutsideOneToTenMeansNotChosen) {
    const std::pair<const char*, int16_t> cases[] = {
        {"1", 1}, {"10", 10}, {"11", 0}, {"0", 0}, {"-1", 0}, {"-32768", 0}, {"99999", 7},
    };
    for (const auto& [text, want] : cases) {
        home.write("Corvell.ini", std::string("[DATA]\nCOMPORT=") + text + "\n");
        clsSettingTessel s;
        s.COMPort = 7;
        s.loadData(&profile);
        EXPECT_EQ(s.COMPort, want) << text;
    }
}

TEST_F(Settings, ABadKeyLeavesOnlyItsOwnMember) {
    home.write("Corvell.ini",
               "[MAIN]\nDIALSPEED=9\n[data]\nDIALSPEED=abc\nconnect=1\nTOOLBARVIEW=0\n"
               "PLUG = 2 \nOUTLEVEL=3\n");
    clsSettingTessel s;
    s.DialSpeed = 4;
    s.loadData(&profile);
    EXPECT_EQ(s.DialSpeed, 4);
    EXPECT_EQ(s.Connect, 1);
    EXPECT_EQ(s.ToolBarView, 0);
    EXPECT_EQ(s.Plug, 2);
    EXPECT_EQ(s.OutLevel, 3);
}

TEST_F(Settings, SavesOnlyAfterInitAndAgainWhenReleased) {
    home.write("Corvell.ini", "[DATA]\nRXFREQ=145000000\n");
    {
        clsSettingTessel s;
        EXPECT_TRUE(s.saveData(&profile));  // before Init: nothing written
        EXPECT_EQ(home.read("Corvell.ini"), "[DATA]\nRXFREQ=145000000\n");
        s.Init(&profile);
        s.COMPort = 3;
        s.Connect = 1;
        EXPECT_TRUE(s.saveData(&profile));
        EXPECT_EQ(profile.Section(), "DATA");
        EXPECT_EQ(home.read("Corvell.ini"),
                  "[DATA]\nRXFREQ=145000000\nDIALSPEED=1\nCONNECT=1\nTOOLBARVIEW=1\nCOMPORT=3\n"
                  "PLUG=0\nOUTLEVEL=0\n");
        s.OutLevel = 2;
        profile.setSection("OTHER");
    }
    platform::clearProfileCache();
    clsSettingTessel again;
    again.loadData(&profile);
    EXPECT_EQ(again.OutLevel, 2);
    EXPECT_EQ(again.COMPort, 3);
}

TEST_F(Settings, AFailedSaveIsReported) {
    clsSettingTessel s;
    s.Init(&profile);
    profile.setName("no-such-dir/Corvell.ini");
    EXPECT_FALSE(s.saveData(&profile));
    s.Init(nullptr);
}

}  // namespace
