#include "link/receiver_state.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/link/link_fixture.h"

namespace {

using quillon::Flag;
using quillon::ReceiverState;

class ReceiverStateTest : public ::testing::Test {
  protected:
    bool anyFlag() const {
        for (int f = 0; f < static_cast<int>(Flag::Count); ++f) {
            if (state_.flag(static_cast<Flag>(f))) return true;
        }
        return false;
    }
    link_test::TestNames names_;
    ReceiverState state_{names_.relayMapping, names_.relayMutex};
};

TEST_F(ReceiverStateTest, StartsWithTheDefaultsAndNoFlags) {
    EXPECT_FALSE(anyFlag());
    EXPECT_FALSE(state_.scanStatFlag());
    EXPECT_EQ(state_.frequency(), 145000000);
    EXPECT_EQ(state_.pllRefFrequency(), 5000);
    EXPECT_EQ(state_.ifshift(), 128);
    EXPECT_EQ(state_.bfoshift(), 128);
    EXPECT_EQ(state_.cmeter(), 128);
    EXPECT_EQ(state_.verSCI(), -1);
    EXPECT_EQ(state_.verCPU(), -1);
    EXPECT_EQ(state_.matrixVersion(), -1);
    EXPECT_EQ(state_.unitOption(), 0);
    EXPECT_EQ(state_.powerOnStat(), 0);
    EXPECT_EQ(state_.cmdStat(), 0);
    for (int32_t v : {state_.mode(),       state_.filter(),  state_.afgain(),  state_.afmute(),
                      state_.sql(),        state_.moni(),    state_.agc(),     state_.nb(),
                      state_.afc(),        state_.att(),     state_.anl(),     state_.vsc(),
                      state_.ctcss(),      state_.bpftune(), state_.extPlug(), state_.extOutLevel(),
                      state_.dspUnitOn(),  state_.dspOn(),   state_.dspNr(),   state_.dspAn(),
                      state_.smeter(),     state_.dtmfr(),   state_.busy(),    state_.scanStat(),
                      state_.extspJackIn()}) {
        EXPECT_EQ(v, 0);
    }
    for (int i = 0; i < 256; ++i) ASSERT_EQ(state_.scopeBuff(i), 0);
}

TEST_F(ReceiverStateTest, EachSetterRaisesItsOwnFlagOnlyOnAChange) {
    struct Case {
        const char* name;
        std::function<int32_t(ReceiverState&, int32_t)> set;
        std::function<int32_t(const ReceiverState&)> get;
        Flag flag;
    };
    const Case cases[] = {
        {"mode", &ReceiverState::setMode, &ReceiverState::mode, Flag::Mode},
        {"filter", &ReceiverState::setFilter, &ReceiverState::filter, Flag::Filter},
        {"afgain", &ReceiverState::setAfgain, &ReceiverState::afgain, Flag::Af},
        {"afmute", &ReceiverState::setAfmute, &ReceiverState::afmute, Flag::Af},
        {"sql", &ReceiverState::setSql, &ReceiverState::sql, Flag::Squelch},
        {"moni", &ReceiverState::setMoni, &ReceiverState::moni, Flag::Monitor},
        {"ifshift", &ReceiverState::setIfshift, &ReceiverState::ifshift, Flag::Ifshift},
        {"agc", &ReceiverState::setAgc, &ReceiverState::agc, Flag::Agc},
        {"nb", &ReceiverState::setNb, &ReceiverState::nb, Flag::Nb},
        {"afc", &ReceiverState::setAfc, &ReceiverState::afc, Flag::Afc},
        {"att", &ReceiverState::setAtt, &ReceiverState::att, Flag::Att},
        {"anl", &ReceiverState::setAnl, &ReceiverState::anl, Flag::Anl},
        {"bfoshift", &ReceiverState::setBfoshift, &ReceiverState::bfoshift, Flag::Bfo},
        {"vsc", &ReceiverState::setVsc, &ReceiverState::vsc, Flag::Vsc},
        {"ctcss", &ReceiverState::setCtcss, &ReceiverState::ctcss, Flag::Ctcss},
        {"bpftune", &ReceiverState::setBpftune, &ReceiverState::bpftune, Flag::Bpf},
        {"extPlug", &ReceiverState::setExtPlug, &ReceiverState::extPlug, Flag::Plug},
        {"extOutLevel", &ReceiverState::setExtOutLevel, &ReceiverState::extOutLevel, Flag::Level},
        {"dspUnitOn", &ReceiverState::setDspUnitOn, &ReceiverState::dspUnitOn, Flag::DspUnit},
        {"dspOn", &ReceiverState::setDspOn, &ReceiverState::dspOn, Flag::DspOn},
        {"dspNr", &ReceiverState::setDspNr, &ReceiverState::dspNr, Flag::Nr},
        {"dspAn", &ReceiverState::setDspAn, &ReceiverState::dspAn, Flag::An},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t current = c.get(state_);
        EXPECT_EQ(c.set(state_, current), current);  // equal: nothing happens
        EXPECT_FALSE(anyFlag());
        EXPECT_EQ(c.set(state_, 300), 300);  // any value, beyond a byte too
        EXPECT_EQ(c.get(state_), 300);
        EXPECT_TRUE(state_.take(c.flag));
        EXPECT_FALSE(anyFlag()) << "another flag was raised too";
    }
}

TEST_F(ReceiverStateTest, FrequencyAcceptsZeroOrTheReceiversRangeOnly) {
    const std::pair<int32_t, bool> cases[] = {
        {9999, false}, {1300000001, false}, {-1, false}, {INT32_MIN, false},
        {10000, true}, {1300000000, true},  {0, true},   {5000, false},
    };
    for (const auto& [hz, accepted] : cases) {
        SCOPED_TRACE(hz);
        state_.setFrequency(123456789);
        state_.clear(Flag::Frequency);
        EXPECT_EQ(state_.setFrequency(hz), hz);
        EXPECT_EQ(state_.frequency(), accepted ? hz : 123456789);
        EXPECT_EQ(state_.flag(Flag::Frequency), accepted);
    }
}

TEST_F(ReceiverStateTest, PllReferenceIsNormalisedAndFlaggedOnlyOnAChange) {
    EXPECT_EQ(state_.setPllRefFrequency(5000), 5000);
    EXPECT_FALSE(state_.flag(Flag::Pll));
    EXPECT_EQ(state_.setPllRefFrequency(6250), 6250);
    EXPECT_TRUE(state_.take(Flag::Pll));
    EXPECT_EQ(state_.setPllRefFrequency(12500), 12500);
    EXPECT_TRUE(state_.take(Flag::Pll));
    EXPECT_EQ(state_.setPllRefFrequency(6000), 5000);
    EXPECT_EQ(state_.pllRefFrequency(), 5000);
    EXPECT_TRUE(state_.take(Flag::Pll));
    EXPECT_EQ(state_.setPllRefFrequency(7000), 5000);
    EXPECT_FALSE(state_.flag(Flag::Pll));  // 5000 already
}

TEST_F(ReceiverStateTest, EveryScanReportRaisesTheScanFlagEvenUnchanged) {
    state_.setScanStat(2);
    EXPECT_TRUE(state_.takeScanStatFlag());
    state_.setScanStat(2);
    EXPECT_TRUE(state_.takeScanStatFlag());
    EXPECT_FALSE(state_.takeScanStatFlag());
    EXPECT_EQ(state_.scanStat(), 2);
}

TEST_F(ReceiverStateTest, ReceiveErrorCountsOnlyWhileAFrequencyIsTuned) {
    state_.setRxerr(1);
    EXPECT_EQ(state_.rxerr(), 1);
    state_.setFrequency(0);
    EXPECT_EQ(state_.rxerr(), 0);
    state_.setFrequency(10000);
    EXPECT_EQ(state_.rxerr(), 1);
}

TEST_F(ReceiverStateTest, ScopeIndexesOutsideTheBufferAreIgnored) {
    state_.setScopeBuff(0, 7);
    state_.setScopeBuff(255, 9);
    state_.setScopeBuff(256, 1);
    state_.setScopeBuff(-1, 1);
    EXPECT_EQ(state_.scopeBuff(0), 7);
    EXPECT_EQ(state_.scopeBuff(255), 9);
    EXPECT_EQ(state_.scopeBuff(256), 0);
    EXPECT_EQ(state_.scopeBuff(-1), 0);
    EXPECT_EQ(state_.scopeBuff(INT32_MIN), 0);
}

TEST(ReceiverStateRelay, TheProducerWordShowsWhileTheStoreLives) {
    link_test::TestNames names;
    auto state = std::make_unique<ReceiverState>(names.relayMapping, names.relayMutex);
    link_test::RelayView view(names);
    ASSERT_TRUE(view.ok());
    EXPECT_EQ(view.word(quillon::DarcRelay::Producer), 1u);
    state.reset();
    EXPECT_EQ(view.word(quillon::DarcRelay::Producer), 0u);
}

}  // namespace
