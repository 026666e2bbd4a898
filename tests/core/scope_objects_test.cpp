// The scope level buffer and the scope geometry.
#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

TEST(ScopeData, ParametersRefuseValuesOutsideTheirRanges) {
    clsScopeDATA d;
    EXPECT_EQ(d.mode(), kModeLSB);
    EXPECT_EQ(d.ts(), 5000);
    EXPECT_EQ(d.bwidth(), 200);
    EXPECT_EQ(d.speed(), 20);
    d.setMode(kModeAM);
    d.setMode(kModeCW);
    d.setMode(-1);
    EXPECT_EQ(d.mode(), kModeAM);
    d.setTs(0);
    d.setTs(100001);
    EXPECT_EQ(d.ts(), 5000);
    d.setTs(100000);
    EXPECT_EQ(d.ts(), 100000);
    d.setBwidth(256);
    EXPECT_EQ(d.bwidth(), 200);
    d.setBwidth(255);
    EXPECT_EQ(d.bwidth(), 255);
    d.setSpeed(0);
    d.setSpeed(201);
    EXPECT_EQ(d.speed(), 20);
    d.setSpeed(200);
    EXPECT_EQ(d.speed(), 200);
}

TEST(ScopeData, ChangeFlagsAndTheirCountFormADirtySet) {
    clsScopeDATA d;
    d.setSCOPE_buff(10, 7);
    d.setSCOPE_buff(10, 7);
    EXPECT_EQ(d.SCOPE_change(10), 1);
    EXPECT_EQ(d.SCOPE_ChangeCount(), 1);
    EXPECT_EQ(d.SCOPE_buff_WoFlag(10), 7);
    EXPECT_EQ(d.SCOPE_ChangeCount(), 1);
    EXPECT_EQ(d.SCOPE_buff(10), 7);
    EXPECT_EQ(d.SCOPE_change(10), 0);
    EXPECT_EQ(d.SCOPE_ChangeCount(), 0);
    EXPECT_EQ(d.SCOPE_buff(10), 7);
    EXPECT_EQ(d.SCOPE_ChangeCount(), 0);
    d.setSCOPE_change(3, 0);
    EXPECT_EQ(d.SCOPE_ChangeCount(), 0);  // never below 0

    d.buff_clear();
    EXPECT_EQ(d.SCOPE_ChangeCount(), 1);  // only point 10 held a level
    for (int i : {0, 1, 128, 255, 256}) d.setSCOPE_buff(i, 9);
    d.SCOPE_buff(10);
    EXPECT_EQ(d.SCOPE_ChangeCount(), 5);
    d.SCOPE_buff(0);
    d.buff_clear();
    EXPECT_EQ(d.SCOPE_ChangeCount(), 5);
}

TEST(ScopeData, IndexesOutsideTheBufferAreHarmless) {
    clsScopeDATA d;
    for (int i : {-1, 257, 1000, -32768}) {
        d.setSCOPE_buff(i, 5);
        d.setSCOPE_change(i, 1);
        EXPECT_EQ(d.SCOPE_buff(i), 0);
        EXPECT_EQ(d.SCOPE_buff_WoFlag(i), 0);
        EXPECT_EQ(d.SCOPE_change(i), 0);
    }
    EXPECT_EQ(d.SCOPE_ChangeCount(), 0);
}

class ScopeStatTest : public ::testing::Test {
  protected:
    ScopeStatTest() : stat(rx) {
        rx.setFrequency(145000000);
        rs.setValue("Mode", 5);
    }
    FakeQuillon rs;
    frmTesselbase rx;
    clsScopeSTAT stat;
};

TEST_F(ScopeStatTest, SettingsAndTheirClamps) {
    EXPECT_EQ(stat.RangeSelectNo(), 0);  // clamped while RangeMax was still 0
    EXPECT_EQ(stat.RangeMax(), 3);
    stat.setRangeSelectNo(3);
    stat.RangeUp();
    EXPECT_EQ(stat.RangeSelectNo(), 3);
    stat.setRangeSelectNo(0);
    stat.RangeDown();
    EXPECT_EQ(stat.RangeSelectNo(), 0);
    stat.RangeUp();
    EXPECT_EQ(stat.RangeSelectNo(), 1);
    stat.setRangeSelectNo(7);
    EXPECT_EQ(stat.RangeSelectNo(), 3);

    EXPECT_EQ(stat.RangeWidth(9), 500000);
    EXPECT_EQ(stat.RangeWidth(-1), 25000);
    stat.setRangeWidth(9, 10);
    EXPECT_EQ(stat.RangeWidth(5), 1000);
    stat.setWFMmoni(-1);
    EXPECT_EQ(stat.WFMmoni(), 1);
    stat.setWFMmoni(0);
    EXPECT_EQ(stat.WFMmoni(), 0);
    stat.setTsLimit(3);
    EXPECT_EQ(stat.TsLimit(), 0);
    stat.setTsLimit(2);
    EXPECT_EQ(stat.TsLimit(), 2);
    stat.setTsHalf(2);
    EXPECT_EQ(stat.TsHalf(), 0);
    stat.setSweepSpeed(1);
    EXPECT_EQ(stat.SweepSpeed(), 3);
    stat.setSweepSpeed(500);
    EXPECT_EQ(stat.SweepSpeed(), 100);
}

TEST_F(ScopeStatTest, PauseRecordsTheCentreWhichReadsZeroWhileBlank) {
    stat.setPause(1);
    EXPECT_EQ(stat.pause(), 1);
    EXPECT_EQ(stat.CenterFreq(), 145000000);
    stat.setCenterFreq(144000000);
    EXPECT_EQ(stat.CenterFreq(), 144000000);
    rx.setFrequency(0);
    EXPECT_EQ(stat.CenterFreq(), 0);
    stat.Init();
    EXPECT_EQ(stat.pause(), 0);
}

TEST_F(ScopeStatTest, StepFromTheWidthRuleInWfmElseTheTuningStep) {
    stat.setRangeSelectNo(3);
    EXPECT_EQ(stat.IniStepFreq(), 10000);
    EXPECT_EQ(stat.GetStepFreq(), 20000);
    rs.setValue("Mode", 6);
    EXPECT_EQ(stat.GetStepFreq(), 10000);
    stat.setWFMmoni(0);
    EXPECT_EQ(stat.GetStepFreq(), 20000);
    for (const auto& [index, step] : {std::pair{0, 1000}, {1, 2500}, {2, 5000}, {3, 10000}}) {
        stat.setRangeSelectNo(static_cast<int16_t>(index));
        EXPECT_EQ(stat.IniStepFreq(), step);
    }
}

struct GeometryCase {
    const char* what;
    int16_t range;
    int32_t step;
    int16_t tsLimit, tsHalf, minPoints;
    // expected
    int16_t points, pix, used;
    int32_t span, stepFreq;
    int16_t spanInLimit, status;
};

TEST_F(ScopeStatTest, SecondVariantGeometry) {
    const GeometryCase cases[] = {
        {"200 kHz span, 5 kHz step", 3, 5000, 0, 0, 1, 40, 4, 160, 200000, 5000, -1, 0},
        {"500 Hz step: 1 kHz limit, then pixels", 3, 500, 0, 0, 1, 100, 2, 200, 50000, 1000, -1,
         -1},
        {"1 MHz step: cap, span beyond 420 kHz", 3, 1000000, 0, 0, 1, 1, 100, 200, 2000000, 100000,
         0, 1},
        {"25 kHz span, 30 kHz step: too few points", 0, 30000, 0, 0, 2, 0, 100, 0, 0, 30000, -1, 1},
        {"half step of 5 kHz", 3, 5000, 0, 1, 1, 80, 2, 160, 200000, 2500, -1, 0},
        {"cap at 25 kHz", 3, 40000, 2, 0, 1, 8, 24, 192, 320000, 25000, -1, 1},
    };
    for (const GeometryCase& c : cases) {
        stat.setRangeSelectNo(c.range);
        stat.setStepReq(c.step);
        stat.setTsLimit(c.tsLimit);
        stat.setTsHalf(c.tsHalf);
        stat.setMinPoints(c.minPoints);
        stat.ScopeCheckParam2();
        EXPECT_EQ(stat.PointsPerSide(), c.points) << c.what;
        EXPECT_EQ(stat.PixPerPoint(), c.pix) << c.what;
        EXPECT_EQ(stat.UsedPixels(), c.used) << c.what;
        EXPECT_EQ(stat.SpanFreq(), c.span) << c.what;
        EXPECT_EQ(stat.StepFreq(), c.stepFreq) << c.what;
        EXPECT_EQ(stat.SpanInLimit(), c.spanInLimit) << c.what;
        EXPECT_EQ(stat.ParamStatus(), c.status) << c.what;
    }
}

TEST_F(ScopeStatTest, FirstVariantRoundsDownAndKeepsTheSigns) {
    stat.setRangeSelectNo(0);  // 25 kHz
    stat.setStepReq(30000);
    stat.ScopeCheckParam();
    EXPECT_EQ(stat.PointsRaw(), 0);
    EXPECT_EQ(stat.PointsPerSide(), 0);
    EXPECT_EQ(stat.ParamStatus(), -1);
    stat.setRangeSelectNo(3);
    stat.setStepReq(500);
    stat.ScopeCheckParam();
    EXPECT_EQ(stat.PointsRaw(), 400);
    EXPECT_EQ(stat.PointsPerSide(), 100);
    EXPECT_EQ(stat.ParamStatus(), 1);
    EXPECT_EQ(stat.SpanFreq(), 50000);
    stat.setTsHalf(1);
    stat.setStepReq(999);
    stat.ScopeCheckParam();
    EXPECT_EQ(stat.PointsRaw(), 200000 / 499);
}

TEST_F(ScopeStatTest, AbsurdSettingsNeverDivideByZero) {
    for (int32_t step : {0, 1, -5}) {
        stat.setTsHalf(1);
        stat.setStepReq(step);  // halved to 0: counted as 1 Hz
        stat.setMinPixPerPoint(0);
        stat.setMinPoints(0);
        stat.ScopeCheckParam();
        stat.ScopeCheckParam2();
        EXPECT_LE(stat.PointsRaw(), 32767);
        EXPECT_GE(stat.PointsPerSide(), 0);
    }
    stat.setMinPixPerPoint(2);
    stat.setMinPoints(2);
    stat.setTsHalf(0);
    stat.setTsLimit(0);
    stat.setRangeSelectNo(3);
    stat.setStepReq(2000000000);  // far above the cap: the span saturates, no overflow
    stat.ScopeCheckParam2();
    EXPECT_EQ(stat.SpanInLimit(), 0);
}

}  // namespace
}  // namespace corvell::test
