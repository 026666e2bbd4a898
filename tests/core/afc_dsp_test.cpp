// The software AFC (pacing, correction, base following, limits) and the DSP settings.
#include "core/clsAFCctrl.h"
#include "core/clsDSPdata.h"
#include "core/clsTSbase.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

class AfcTest : public RxTest {
  protected:
    AfcTest() {
        load();
        rx->setModeText("FM");
        rx->TSbase().setTsname("12.5k");
        rx->setFrequency(145000000);
        afc().exec();  // the first pass records the switch (off)
        rs.clear();
    }
    clsAFCctrl& afc() { return rx->AFCctrl(); }
    // Heartbeat ticks until the next correction; the number of ticks it took.
    int ticksToCorrection(int limit = 20) {
        const int32_t before = rx->Frequency();
        for (int i = 1; i <= limit; ++i) {
            afc().TASK_exec2();
            if (rx->Frequency() != before) return i;
        }
        return -1;
    }
};

TEST_F(AfcTest, TheFirstPassNeverCorrects) {
    frmTesselbase fresh;
    fresh.setFrequency(145000000);
    rs.setValue("Mode", 5);
    rs.setValue("Afc", 1);
    rs.setValue("Cmeter", 200);
    clsAFCctrl a(fresh);
    rs.clear();
    a.TASK_exec2();
    EXPECT_EQ(a.LastSwitch(), 1);
    EXPECT_EQ(a.Threshold(), clsAFCctrl::kLongWait);
    EXPECT_TRUE(rs.callsTo("RsSetFrequency").empty());
    for (int i = 0; i < 6; ++i) a.TASK_exec2();
    EXPECT_EQ(fresh.Frequency(), 145000000);
    a.TASK_exec2();  // the seventh tick after the first pass corrects
    EXPECT_EQ(fresh.Frequency(), 145000100);
}

TEST_F(AfcTest, CorrectsInHundredHertzStepsAndTheBaseFollowsWholeSteps) {
    rx->setAfc(1);
    rs.setValue("Cmeter", 140);
    afc().exec();  // switched on: the current frequency becomes the base
    EXPECT_EQ(afc().BaseFrequency(), 145000000);
    EXPECT_EQ(ticksToCorrection(), 7);  // 7 x 75 >= 500
    EXPECT_EQ(rx->Frequency(), 145000100);
    EXPECT_EQ(ticksToCorrection(), 1);  // then every tick
    for (int i = 0; i < 200 && rx->Frequency() < 145012500; ++i) afc().TASK_exec2();
    EXPECT_EQ(rx->Frequency(), 145012500);
    EXPECT_EQ(afc().BaseFrequency(), 145012500);

    rs.setValue("Cmeter", 128);
    EXPECT_EQ(ticksToCorrection(), -1);
    rs.setValue("Cmeter", 100);
    EXPECT_EQ(ticksToCorrection(), 1);
    EXPECT_EQ(rx->Frequency(), 145012400);
}

TEST_F(AfcTest, StepsReturnToTheBaseAndSwitchingOffRetunesToIt) {
    rx->setAfc(1);
    rs.setValue("Cmeter", 200);
    afc().exec();
    for (int i = 0; i < 12; ++i) afc().TASK_exec2();
    ASSERT_GT(rx->Frequency(), 145000000);
    rx->frq_up();  // back to the base first, then one step
    EXPECT_EQ(rx->Frequency(), 145012500);
    EXPECT_EQ(afc().BaseFrequency(), 145012500);
    for (int i = 0; i < 12; ++i) afc().TASK_exec2();
    rx->setAfc(0);
    afc().exec();
    EXPECT_EQ(rx->Frequency(), 145012500);
}

TEST_F(AfcTest, WithoutABaseNothingIsRetuned) {
    rs.setValue("Afc", 1);  // on in the library, never seen switching on: base stays 0
    afc().afc_res();
    EXPECT_EQ(rx->Frequency(), 145000000);
    EXPECT_TRUE(rs.callsTo("RsSetFrequency").empty());
}

TEST_F(AfcTest, BlankKeepsThePacingAtTheLongWait) {
    rx->setAfc(1);
    afc().exec();
    rx->setBlank(1);
    rs.setValue("Cmeter", 200);
    for (int i = 0; i < 30; ++i) afc().TASK_exec2();
    EXPECT_EQ(afc().Threshold(), clsAFCctrl::kLongWait);
    EXPECT_EQ(rx->Frequency(), 145000000);
}

TEST_F(AfcTest, LeavingFmAndComingBackDoesNotRetune) {
    rx->setAfc(1);
    afc().exec();
    rs.setValue("Cmeter", 128);
    rx->setModeText("USB");
    for (int i = 0; i < 5; ++i) afc().TASK_exec2();
    EXPECT_EQ(afc().Threshold(), clsAFCctrl::kLongWait);
    rx->setModeText("FM");
    rs.clear();
    afc().TASK_exec2();
    EXPECT_TRUE(rs.callsTo("RsSetFrequency").empty());
}

TEST_F(AfcTest, NeverWalksOutOfTheReceiversRange) {
    for (const auto& [start, meter, limit] :
         {std::tuple{10050, 0, 10000}, {1299999950, 255, 1300000000}}) {
        rx->setFrequency(start);
        rx->setAfc(1);
        rs.setValue("Cmeter", meter);
        afc().exec();
        for (int i = 0; i < 40; ++i) afc().TASK_exec2();
        EXPECT_EQ(rx->Frequency(), limit);
        EXPECT_GE(afc().BaseFrequency(), clsAFCctrl::kLowestHz);
        EXPECT_LE(afc().BaseFrequency(), clsAFCctrl::kHighestHz);
        rx->setAfc(0);
        afc().exec();
    }
}

TEST_F(AfcTest, ABaseFarBelowWithATinyStepFollowsAtOnce) {
    rx->TSbase().setTsname("1Hz");
    rs.setValue("Afc", 1);  // on from the settings file: no base was taken
    afc().exec();
    rs.setValue("Cmeter", 200);
    ASSERT_EQ(ticksToCorrection(), 7);
    EXPECT_EQ(afc().BaseFrequency(), 145000100);
}

TEST(DspData, ChangesGoOutOnlyWhileTheUnitIsInUse) {
    FakeQuillon rs;
    frmTesselbase rx;
    clsDSPdata dsp(rx);  // the library reports no unit
    EXPECT_FALSE(dsp.enable());
    dsp.setAfon(true);
    dsp.setNr(true);
    dsp.setAnf(true);
    int32_t level = 3;
    dsp.setNrlevel(level);
    EXPECT_TRUE(rs.sends().empty());
    EXPECT_FALSE(dsp.afon());
    EXPECT_FALSE(dsp.nr());
    EXPECT_FALSE(dsp.anf());
    EXPECT_EQ(dsp.nrlevel(), 9);
    EXPECT_EQ(level, 3);

    dsp.setEnable(true);
    dsp.setEnable(true);
    dsp.setNr(true);
    level = 20;
    dsp.setNrlevel(level);
    EXPECT_EQ(level, 15);
    EXPECT_EQ(dsp.nrlevel(), 15);
    dsp.setNrlevel(level);  // the same level again sends nothing
    dsp.setAfon(true);
    dsp.setAnf(true);
    dsp.setAnf(true);
    dsp.setNr(false);
    const std::vector<QuillonCall> expected = {{"RsSetDspUnitOn", {1}}, {"RsSetDspNr", {10}},
                                               {"RsSetDspNr", {16}},    {"RsSetDspOn", {1}},
                                               {"RsSetDspAn", {1}},     {"RsSetDspNr", {0}}};
    EXPECT_EQ(rs.sends(), expected);
}

TEST(DspData, PresentUnitAtCreationAndUpdateDirect) {
    FakeQuillon rs;
    rs.setValue("UnitOption", 17);
    frmTesselbase rx;
    clsDSPdata dsp(rx);
    EXPECT_TRUE(dsp.enable());
    dsp.setAfon(true);
    rs.clear();
    dsp.UpdateDirect();
    const std::vector<QuillonCall> expected = {
        {"RsSetDspUnitOn", {0}}, {"RsSetDspOn", {0}}, {"RsSetDspAn", {0}}, {"RsSetDspNr", {0}},
        {"RsSetDspUnitOn", {1}}, {"RsSetDspOn", {1}}, {"RsSetDspAn", {0}}, {"RsSetDspNr", {0}}};
    EXPECT_EQ(rs.sends(), expected);
}

}  // namespace
}  // namespace corvell::test
