// The scan settings: section "SCAN" read and written, the accessors' ranges, program channels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

class ScanSettings : public ScanTest {
  protected:
    ScanSettings() { ProgramProfile().setSection("SCAN"); }
    void put(const char* key, int16_t v) {
        ProgramProfile().setSection("SCAN");
        ProgramProfile().saveData(key, v);
    }
    void put(const char* key, const std::string& text) {
        ProgramProfile().setSection("SCAN");
        ProgramProfile().saveData(key, text);
    }
    std::string get(const char* key) {
        ProgramProfile().setSection("SCAN");
        std::string v;
        ProgramProfile().loadData(key, v, std::string("<missing>"));
        return v;
    }
};

TEST_F(ScanSettings, AMissingSectionGivesTheDefaults) {
    EXPECT_EQ(scan.programno(), 1);
    EXPECT_EQ(scan.memotag(), 0);
    EXPECT_EQ(scan.memoskip(), 0);
    EXPECT_EQ(scan.memomode(), 0);
    EXPECT_EQ(scan.memomodedata(), 0x3F);
    EXPECT_EQ(scan.delaytype(), 0);
    EXPECT_EQ(scan.delaytime(), 0);
    EXPECT_EQ(scan.restartdelay(), 2);
    EXPECT_EQ(scan.speed(), 50);
    EXPECT_EQ(scan.autobank(), 20);
    EXPECT_EQ(scan.speedbase(), 25);
    EXPECT_EQ(scan.PchCount(), 20);
    for (int16_t i = 1; i <= 20; ++i) {
        EXPECT_EQ(scan.pchData(i).lngFreq(), 0);
        EXPECT_EQ(scan.pchData(i).lngFreqHigh(), 0);
    }
}

TEST_F(ScanSettings, ValuesInTheFileAreBroughtIntoTheirRanges) {
    const struct {
        const char* key;
        int16_t stored;
        int16_t (frmSCANctrl::*read)() const;
        int16_t loaded;
    } cases[] = {
        {"PROGRAMNO", 0, &frmSCANctrl::programno, 1},
        {"PROGRAMNO", 21, &frmSCANctrl::programno, 20},
        {"MEMOSEL", 5, &frmSCANctrl::memotag, 1},
        {"MEMOSKIP", -1, &frmSCANctrl::memoskip, 0},
        {"MEMOMODE", 2, &frmSCANctrl::memomode, 1},
        {"DELAYTYPE", 3, &frmSCANctrl::delaytype, 2},
        {"DELAYTIME", 250, &frmSCANctrl::delaytime, 100},
        {"DELAYTIME", -4, &frmSCANctrl::delaytime, 0},
        {"RESTARTDELAY", 9, &frmSCANctrl::restartdelay, 2},
        {"SPEED", 250, &frmSCANctrl::speed, 100},
        {"AUTOMEBANK", 0, &frmSCANctrl::autobank, 1},
        {"AUTOMEBANK", 30, &frmSCANctrl::autobank, 20},
        {"SPEEDBASE_M", 5, &frmSCANctrl::speedbase, 10},
        {"SPEEDBASE_M", 300, &frmSCANctrl::speedbase, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + std::to_string(c.stored));
        put(c.key, c.stored);
        scan.loadData();
        EXPECT_EQ((scan.*c.read)(), c.loaded);
    }
    put("MEMOMODE_CW", 0);
    put("MEMOMODE_WFM", 7);
    scan.loadData();
    EXPECT_EQ(scan.memomodedata(), 0x3B);
}

TEST_F(ScanSettings, TheProgramBaseServesRunningProgramScansOnly) {
    put("SPEEDBASE_P", 5);
    put("SPEEDBASE_M", 40);
    scan.loadData();
    EXPECT_EQ(scan.speedbase(), 40);  // idle
    scan.pchData(1).setLngFreq(118000000);
    scan.pchData(1).setLngFreqHigh(137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    EXPECT_EQ(scan.speedbase(), 10);
    feed(1);
    EXPECT_EQ(scanBytes().back(), 128 + 50 + 10);
}

TEST_F(ScanSettings, ProgramChannelRowsAreReadFromTheirText) {
    put("PCH01", std::string("Air,,118,137,AM,6k,OFF,20kHz"));
    put("PCH02", std::string("Marine,VHF,156.025,157.425,FM,15k,ON,25kHz"));
    put("PCH03", std::string("Bad,,1300.5,137,AM,6k,OFF,20kHz"));
    put("PCH04", std::string("Seven,,118,137,AM,6k,OFF"));
    put("PCH05", std::string("garbage"));
    scan.loadData();

    const clsMchDATA& air = scan.pchData(1);
    EXPECT_EQ(air.name1(), "Air             ");
    EXPECT_EQ(air.lngFreq(), 118000000);
    EXPECT_EQ(air.lngFreqHigh(), 137000000);
    EXPECT_EQ(air.ModeText(), "AM");
    EXPECT_EQ(air.FilterText(), "6k");
    EXPECT_EQ(air.intAtt(), 0);
    EXPECT_EQ(air.tsfrq(), 20000);

    const clsMchDATA& marine = scan.pchData(2);
    EXPECT_EQ(marine.lngFreq(), 156025000);
    EXPECT_EQ(marine.lngFreqHigh(), 157425000);
    EXPECT_EQ(marine.intAtt(), 1);
    EXPECT_EQ(marine.tsfrq(), 25000);

    EXPECT_EQ(scan.pchData(3).lngFreq(), 0);
    EXPECT_EQ(scan.pchData(3).lngFreqHigh(), 137000000);
    for (int16_t row : {4, 5}) {
        EXPECT_EQ(scan.pchData(row).lngFreq(), 0);
        EXPECT_EQ(scan.pchData(row).lngFreqHigh(), 0);
        EXPECT_EQ(scan.pchData(row).ModeText(), "FM");
    }
}

TEST_F(ScanSettings, WhatIsSavedComesBack) {
    put("PCH01", std::string("Air,,118,137,AM,6k,OFF,20kHz"));
    scan.loadData();
    scan.pchData(7).setLngFreq(144500000);
    scan.pchData(7).setLngFreqHigh(146000000);
    scan.setProgramno(7);
    scan.setMemotag(1);
    scan.setMemomode(1);
    scan.setMemomodedata(0x12);
    scan.setDelaytype(1);
    scan.setDelaytime(33);
    scan.setRestartdelay(0);
    scan.setSpeed(80);
    scan.setAutobank(3);
    scan.Unload();

    EXPECT_EQ(get("PCH01"), "Air,,118,137,AM,6k,OFF,20kHz");
    EXPECT_EQ(get("PCH07"), ",,144.5,146,FM,15k,OFF,20kHz");
    EXPECT_EQ(get("PCH08"), ",,,,,,,");

    frmSCANctrl again(rx, memory);
    again.Init();
    EXPECT_EQ(again.programno(), 7);
    EXPECT_EQ(again.memotag(), 1);
    EXPECT_EQ(again.memoskip(), 0);
    EXPECT_EQ(again.memomode(), 1);
    EXPECT_EQ(again.memomodedata(), 0x12);
    EXPECT_EQ(again.delaytype(), 1);
    EXPECT_EQ(again.delaytime(), 33);
    EXPECT_EQ(again.restartdelay(), 0);
    EXPECT_EQ(again.speed(), 80);
    EXPECT_EQ(again.autobank(), 3);
    EXPECT_EQ(again.pchData(7).lngFreq(), 144500000);
    EXPECT_EQ(again.pchData(1).ModeText(), "AM");
    EXPECT_EQ(get("SPEEDBASE_P"), "25");
}

TEST_F(ScanSettings, ASaveThatCannotReachTheFileIsTold) {
    scan.setSpeed(70);
    std::filesystem::remove(home.path("Corvell.ini"));
    std::filesystem::create_directory(home.path("Corvell.ini"));  // nothing can replace it
    ::testing::internal::CaptureStderr();
    scan.Unload();
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(told, ::testing::HasSubstr("the scan settings were not saved"));
    EXPECT_EQ(scan.speed(), 70);
}

TEST_F(ScanSettings, AccessorsKeepTheirRanges) {
    const struct {
        void (frmSCANctrl::*write)(int16_t);
        int16_t (frmSCANctrl::*read)() const;
        int16_t in, out;
    } cases[] = {
        {&frmSCANctrl::setProgramno, &frmSCANctrl::programno, 0, 1},
        {&frmSCANctrl::setProgramno, &frmSCANctrl::programno, 21, 20},
        {&frmSCANctrl::setAutobank, &frmSCANctrl::autobank, -3, 1},
        {&frmSCANctrl::setSpeed, &frmSCANctrl::speed, 101, 100},
        {&frmSCANctrl::setSpeed, &frmSCANctrl::speed, -1, 0},
        {&frmSCANctrl::setMemotag, &frmSCANctrl::memotag, 2, 1},
        {&frmSCANctrl::setMemoskip, &frmSCANctrl::memoskip, -1, 0},
        {&frmSCANctrl::setMemomode, &frmSCANctrl::memomode, 9, 1},
        {&frmSCANctrl::setSlow1time, &frmSCANctrl::slow1time, 5, 1},
        {&frmSCANctrl::setDir, &frmSCANctrl::dir, -2, 0},
        // stored as given
        {&frmSCANctrl::setDelaytype, &frmSCANctrl::delaytype, 7, 7},
        {&frmSCANctrl::setDelaytime, &frmSCANctrl::delaytime, 500, 500},
        {&frmSCANctrl::setRestartdelay, &frmSCANctrl::restartdelay, -1, -1},
    };
    for (const auto& c : cases) {
        (scan.*c.write)(c.in);
        EXPECT_EQ((scan.*c.read)(), c.out) << c.in;
    }
    scan.setMemomodedata(5 | 0x40);
    EXPECT_EQ(scan.memomodedata(), 5);  // LSB and CW; other bits ignored
}

TEST_F(ScanSettings, ConditionTexts) {
    EXPECT_EQ(scan.condition(0), "");
    EXPECT_EQ(scan.condition(1), "");
    scan.pchData(1).setLngFreq(118000000);
    scan.pchData(1).setLngFreqHigh(137000000);
    ASSERT_TRUE(scan.scan_start(kScanProgram, frmSCANctrl::kProgramTrue));
    signal(true);
    feed(16);
    scan.setPause(1);
    EXPECT_EQ(scan.condition(0), "Pause");  // pause wins over the busy stop
    EXPECT_EQ(scan.condition(1), "Program SCAN");
    EXPECT_EQ(scan.condition(2), "");
    EXPECT_EQ(scan.condition(-1), "");
}

TEST_F(ScanSettings, DefaultRowsAndBlankRows) {
    clsMchDATA& row = scan.pchData(4);
    row.setName1("Two");
    row.setName2("kept");
    row.setIntAtt(1);
    scan.Default(4);
    EXPECT_EQ(row.name1(), std::string(16, ' '));
    EXPECT_EQ(row.name2(), "kept" + std::string(28, ' '));
    EXPECT_EQ(row.lngFreq(), 144000000);
    EXPECT_EQ(row.lngFreqHigh(), 146000000);
    EXPECT_EQ(row.ModeText(), "FM");
    EXPECT_EQ(row.FilterText(), "15k");
    EXPECT_EQ(row.tsfrq(), 20000);
    EXPECT_EQ(row.intAtt(), 0);
    scan.DefaultBlank(4);
    EXPECT_EQ(row.lngFreq(), 0);
    EXPECT_EQ(row.lngFreqHigh(), 0);
    // Numbers outside 1..20 reach the nearest row instead of memory that is not there.
    EXPECT_EQ(&scan.pchData(0), &scan.pchData(1));
    EXPECT_EQ(&scan.pchData(99), &scan.pchData(20));
}

}  // namespace
}  // namespace corvell
