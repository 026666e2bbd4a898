// Load order, the "DATA" keys and unload of the receiver object.
#include <gmock/gmock.h>

#include <filesystem>

#include "core/ReceiverCodes.h"
#include "core/clsAUTOMODE.h"
#include "core/clsDSPdata.h"
#include "core/clsDtmfOption.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "core/frmScopeCtrl.h"
#include "core/objEDGES.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST_F(RxTest, FirstStartWithoutSettingsFileSendsTheDefaultsInLoadOrder) {
    frmTesselbase& r = load();
    const std::vector<QuillonCall> expected = {
        // the first frequency leaves blank: FM, 15k, ATT and tone off, then the frequency
        {"RsSetMode", {5}},
        {"RsSetFilter", {2}},
        {"RsSetAtt", {0}},
        {"RsSetCtcss", {0}},
        {"RsSetPllRefFrequency", {5000}},
        {"RsSetFrequency", {145000000}},
        // "RXMODE", "RXFIL", then the levels in key order
        {"RsSetMode", {5}},
        {"RsSetFilter", {2}},
        {"RsSetAfgain", {40}},
        {"RsSetSql", {0}},
        {"RsSetIfshift", {128}},
        {"RsSetAgc", {0}},
        {"RsSetNb", {0}},
        {"RsSetAfc", {0}},
        {"RsSetAtt", {0}},
        {"RsSetAnl", {0}},
        {"RsSetVsc", {0}},
        {"RsSetCtcss", {0}},
        // the DSP unit marked present, then the level 0 replaces the initial 9
        {"RsSetDspUnitOn", {1}},
        {"RsSetDspNr", {0}},
    };
    EXPECT_EQ(rs.sends(), expected);
    EXPECT_EQ(r.Frequency(), 145000000);
    EXPECT_EQ(r.Blank(), 0);
    EXPECT_EQ(r.ModeText(), "FM");
    EXPECT_EQ(r.FilterText(), "15k");
    EXPECT_EQ(r.TSbase().tsfrq(), 20000);
    EXPECT_FALSE(r.AutoMode().mode());
    EXPECT_EQ(r.Timer1Interval(), frmTesselbase::kFirstTimerMs);
    EXPECT_EQ(r.CountryVer(), "GENE");
    EXPECT_TRUE(r.EDGES().isEnabled("GENE"));
    EXPECT_FALSE(r.EDGES().isEnabled("#1"));
    EXPECT_EQ(r.OptionCache(), 255);
    EXPECT_EQ(r.RxVersionCode(), 255);
    EXPECT_TRUE(r.DSPdata().enable());
    EXPECT_EQ(r.DSPdata().nrlevel(), 0);
    EXPECT_EQ(r.ScopeDATA().mode(), kScopeOff);
    EXPECT_EQ(r.ScopeSTAT().RangeSelectNo(), 3);
    EXPECT_EQ(r.ScanObj(), nullptr);
    EXPECT_FALSE(r.DtmfOption().DtmfOn());
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(RxTest, SettingsSurviveARestart) {
    frmTesselbase& r = load();
    r.EntryFrequency(433920000);
    r.TSbase().setTsname("12.5k");
    r.ModeGroup(kModeUSB);  // USB, whose remembered filter is 0
    r.setFilter(kFilter6k);
    r.ModeGroup(kModeWFM);
    r.setFilter(kFilter230k);
    r.ModeGroup(kModeAM);
    r.setFilter(kFilter50k);
    r.setAfgain(77);
    r.setSquelch(33);
    r.setIfshift(140);
    r.setAgc(1);
    r.setNb(1);
    r.setAtt(1);
    r.setAnl(1);
    r.setVsc(1);
    r.setCtcss(12);
    r.AutoMode().setMode(kModeUSB);
    int32_t level = 7;
    r.DSPdata().setNrlevel(level);
    r.DSPdata().setAfon(true);
    r.DSPdata().setNr(true);
    restart();
    const std::string file = ini();
    EXPECT_THAT(file, HasSubstr("RXFREQ=433920000"));
    EXPECT_THAT(file, HasSubstr("RXMODE=\"AM\""));
    EXPECT_THAT(file, HasSubstr("RXFIL=\"50k\""));
    EXPECT_THAT(file, HasSubstr("AUTOMODE=-1"));
    EXPECT_THAT(file, HasSubstr("DSPON=1"));
    EXPECT_THAT(file, HasSubstr("DSPANF=0"));
    EXPECT_THAT(file, Not(HasSubstr("COUNTRYVER")));

    FakeQuillon fresh;  // a library that knows nothing of the first run
    frmTesselbase& again = load();
    EXPECT_EQ(again.Frequency(), 433920000);
    EXPECT_EQ(again.ModeText(), "AM");
    EXPECT_EQ(again.FilterText(), "50k");
    EXPECT_EQ(again.FilterBuff(1), 1);
    EXPECT_EQ(again.FilterBuff(6), 4);
    EXPECT_EQ(again.FilterBuff(2), 3);
    EXPECT_EQ(again.FilterBuff(5), 2);
    EXPECT_EQ(again.TSbase().tsfrq(), 12500);
    EXPECT_EQ(again.afgain(), 77);
    EXPECT_EQ(again.squelch(), 33);
    EXPECT_EQ(again.ifshift(), 140);
    EXPECT_EQ(again.agc(), 1);
    EXPECT_EQ(again.nb(), 1);
    EXPECT_EQ(again.att(), 1);
    EXPECT_EQ(again.anl(), 1);
    EXPECT_EQ(again.vsc(), 1);
    EXPECT_EQ(again.ctcss(), 12);
    EXPECT_TRUE(again.AutoMode().mode());
    EXPECT_TRUE(again.DSPdata().afon());
    EXPECT_TRUE(again.DSPdata().nr());
    EXPECT_EQ(again.DSPdata().nrlevel(), 7);
    EXPECT_EQ(fresh.value("DspNr"), 8);
}

TEST_F(RxTest, AutomodeKeyReadsMinusOneAndZero) {
    for (const auto& [text, on] : {std::pair{"-1", true}, {"0", false}, {"1", true}}) {
        home.write("Corvell.ini", std::string("[DATA]\r\nAUTOMODE=") + text + "\r\n");
        platform::clearProfileCache();
        frmTesselbase& r = load();
        EXPECT_EQ(r.AutoMode().mode(), on) << text;
        rx.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
}

TEST_F(RxTest, StoredFrequencyZeroLoadsBlankAndSavesBlank) {
    home.write("Corvell.ini", "[DATA]\nRXFREQ=0\nRXMODE=USB\nATT=1\nAGC=1\n");
    platform::clearProfileCache();
    frmTesselbase& r = load();
    EXPECT_EQ(r.Blank(), 1);
    EXPECT_EQ(r.ModeText(), "BLANK");
    EXPECT_EQ(rs.count("RsSetAtt"), 0);
    EXPECT_EQ(rs.count("RsSetAgc"), 0);
    EXPECT_EQ(rs.count("RsSetMode"), 0);
    EXPECT_EQ(rs.callsTo("RsSetFrequency"), (std::vector<QuillonCall>{{"RsSetFrequency", {0}}}));
    restart();
    EXPECT_THAT(ini(), HasSubstr("RXMODE=\"BLANK\""));
    EXPECT_THAT(ini(), HasSubstr("RXFREQ=0"));
}

TEST_F(RxTest, DspSwitchesAreSavedAsSetWhenTheUnitHasNotReported) {
    home.write("Corvell.ini", "[DATA]\nDSPON=1\nDSPANF=1\nDSPNR=1\nDSPNRLEVEL=4\n");
    platform::clearProfileCache();
    frmTesselbase& r = load();
    ASSERT_TRUE(r.DSPdata().afon());
    // The main window learns from the receiver that no unit is fitted (yet).
    r.DSPdata().setEnable(false);
    EXPECT_FALSE(r.DSPdata().afon());
    restart();
    const std::string file = ini();
    EXPECT_THAT(file, HasSubstr("DSPON=1"));
    EXPECT_THAT(file, HasSubstr("DSPANF=1"));
    EXPECT_THAT(file, HasSubstr("DSPNR=1"));
    EXPECT_THAT(file, HasSubstr("DSPNRLEVEL=4"));
}

TEST_F(RxTest, DamagedValuesFallBackToDefaultsOrAreCorrected) {
    home.write("Corvell.ini",
               "[DATA]\nRXFREQ=lots\nRXFIL_FM=99\nRXFIL_WFM=-5\nTS=\nDSPNRLEVEL=300\n"
               "AFGAIN=9999999999999\n");
    platform::clearProfileCache();
    frmTesselbase& r = load();
    EXPECT_EQ(r.Frequency(), 145000000);
    EXPECT_EQ(r.FilterBuff(5), 3);
    EXPECT_EQ(r.FilterBuff(6), 3);
    EXPECT_EQ(r.DSPdata().nrlevel(), 15);
    EXPECT_EQ(r.afgain(), 40);
    EXPECT_GT(r.TSbase().tsfrq(), 0);
}

TEST_F(RxTest, ActiveBankAndChannelApplyOnlyWhenTheMemoryFileOpened) {
    home.write("Corvell.ini", "[DATA]\nMEMFILEPATH=\nACTIVEBANK=3\nACTIVECH=7\n");
    platform::clearProfileCache();
    load();
    EXPECT_EQ(ProgramMemory().ActiveBank(), 3);
    EXPECT_EQ(ProgramMemory().ActiveCh(), 7);
    rx.reset();
    ResetProgramMemory();
    ResetProgramObjects();

    home.write("Corvell.ini", "[DATA]\nMEMFILEPATH=" + home.path("missing/none.MCH") +
                                  "\nACTIVEBANK=3\nACTIVECH=7\n");
    platform::clearProfileCache();
    load();
    EXPECT_EQ(ProgramMemory().ActiveBank(), 0);
    EXPECT_EQ(ProgramMemory().ActiveCh(), 0);
    EXPECT_FALSE(presenter.shown().empty());
}

TEST_F(RxTest, ANewMemoryNeverSavedIsNotNamedForTheNextStart) {
    load();
    restart();
    EXPECT_THAT(ini(), HasSubstr("MEMFILEPATH=\"\""));
    load();
    EXPECT_TRUE(presenter.shown().empty());

    // Once saved, the file is named and opens at the next start.
    const std::string kept = home.path("kept.MCH");
    ASSERT_EQ(ProgramMemory().SaveAsMemory(kept), 1);
    ProgramMemory().setActiveBank(4);
    restart();
    EXPECT_THAT(ini(), HasSubstr("MEMFILEPATH=\"" + kept + "\""));
    load();
    EXPECT_TRUE(presenter.shown().empty());
    EXPECT_EQ(ProgramMemory().filepath(), kept);
    EXPECT_EQ(ProgramMemory().ActiveBank(), 4);
}

TEST_F(RxTest, AMemoryFileMissingAtExitIsStillNamedForTheNextStart) {
    load();
    const std::string kept = home.path("away.MCH");
    ASSERT_EQ(ProgramMemory().SaveAsMemory(kept), 1);
    // The drive holding the file is away while the program ends.
    std::filesystem::remove(kept);
    restart();
    EXPECT_THAT(ini(), HasSubstr("MEMFILEPATH=\"" + kept + "\""));
    load();
    ASSERT_FALSE(presenter.shown().empty());
    EXPECT_THAT(presenter.shown().back().text, HasSubstr("FILE Not Open."));
}

TEST_F(RxTest, UnloadSavesSwitchesOffAndWritesTheScopeKeys) {
    frmTesselbase& r = load();
    r.PowerOn();
    r.ScopeDATA().setMode(kScopeContinuous);
    r.ScopeSTAT().setRangeSelectNo(2);
    r.ScopeSTAT().setTsLimit(2);
    rs.clear();
    r.Unload();
    EXPECT_EQ(rs.count("RsPowerOff"), 1);
    EXPECT_EQ(r.Power(), 0);
    const std::string file = ini();
    EXPECT_THAT(file, HasSubstr("[SCOPE]"));
    EXPECT_THAT(file, HasSubstr("SCOPEMODE=1"));
    EXPECT_THAT(file, HasSubstr("SCOPESPAN=2"));
    EXPECT_THAT(file, HasSubstr("SCOPESLIMIT=2"));
    EXPECT_THAT(file, HasSubstr("[AUTOMODE]"));
    r.Unload();  // a second unload does nothing
    EXPECT_EQ(rs.count("RsPowerOff"), 1);
}

TEST_F(RxTest, ScopeKeysAreReadAtLoadAndClamped) {
    home.write("Corvell.ini",
               "[SCOPE]\nSCOPEMODE=2\nSCOPESPAN=9\nSCOPESLIMIT=3\nSCOPEHALF=1\nSCOPEWFM=-1\n");
    platform::clearProfileCache();
    frmTesselbase& r = load();
    EXPECT_EQ(r.ScopeDATA().mode(), kScopeSingle);
    EXPECT_EQ(r.ScopeSTAT().RangeSelectNo(), 3);
    EXPECT_EQ(r.ScopeSTAT().TsLimit(), 0);
    EXPECT_EQ(r.ScopeSTAT().TsHalf(), 1);
    EXPECT_EQ(r.ScopeSTAT().WFMmoni(), 1);
}

}  // namespace
}  // namespace corvell::test
