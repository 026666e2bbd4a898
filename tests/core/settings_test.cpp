#include <gtest/gtest.h>

#include "core/clsProfileIO.h"
#include "core/clsSettingTessel.h"
#include "tests/support/temp_home.h"

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

TEST_F(Settings, WindowsSettingsFileReadsAndKeepsItsForm) {
    const std::string windows =
        "[WINDOW_PLACEMENT]\r\nFRMMAIN=\"frmMain,1,0,0,100,100,9000,6000,0,0\"\r\n\r\n"
        "[DATA]\r\nRXFREQ=145000000\r\nDIALSPEED=2\r\nCONNECT=1\r\nCOMPORT=3\r\n";
    home.write("Corvell.ini", windows);
    clsSettingTessel s;
    s.loadData(&profile);
    EXPECT_EQ(s.DialSpeed, 2);
    EXPECT_EQ(s.Connect, 1);
    EXPECT_EQ(s.COMPort, 3);
    s.Init(&profile);
    s.COMPort = 5;
    ASSERT_TRUE(s.saveData(&profile));
    EXPECT_EQ(home.read("Corvell.ini"),
              "[WINDOW_PLACEMENT]\r\nFRMMAIN=\"frmMain,1,0,0,100,100,9000,6000,0,0\"\r\n\r\n"
              "[DATA]\r\nRXFREQ=145000000\r\nDIALSPEED=2\r\nCONNECT=1\r\nCOMPORT=5\r\n"
              "TOOLBARVIEW=1\r\nPLUG=0\r\nOUTLEVEL=0\r\n");
    s.Init(nullptr);
}

TEST_F(Settings, GarbageAroundTheSectionDoesNotSpread) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    home.write("Corvell.ini", garbage + "\n[DATA]\nCOMPORT=2\nDIALSPEED\nPLUG=" +
                                  std::string(300000, '9') + "\n" + garbage);
    clsSettingTessel s;
    s.loadData(&profile);
    EXPECT_EQ(s.COMPort, 2);
    EXPECT_EQ(s.DialSpeed, 1);  // a line without "=" is no key
    EXPECT_EQ(s.Plug, 0);       // far beyond 16 bits: left at its value
}

TEST_F(Settings, AFailedSaveIsReported) {
    clsSettingTessel s;
    s.Init(&profile);
    profile.setName("no-such-dir/Corvell.ini");
    EXPECT_FALSE(s.saveData(&profile));
    s.Init(nullptr);
}

}  // namespace
