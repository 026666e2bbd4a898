// The shared key-pad procedures on the receiver object: an entry of either width tunes through
// the band edges, a digit with the receiver off does nothing, and the keyboard's step key
// switches automatic mode off only where the panel asks for it.
#include <gtest/gtest.h>

#include "core/clsAUTOMODE.h"
#include "core/clsTSbase.h"
#include "panels/common/TenkeyInput.h"
#include "tests/panels/PanelFixture.h"
#include "ui/VirtualKeys.h"
#include "ui/clsTENKEY.h"

namespace corvell::test {
namespace {

using panels::EntryPlaces;

class TenkeyInputTest : public PanelTest {
  protected:
    TenkeyInputTest() { rx->setFrequency(145000000); }
    void type(std::initializer_list<int16_t> codes, EntryPlaces places) {
        for (int16_t c : codes) panels::Tenkey_Input(tenkey, *rx, c, places);
    }
    ui::clsTENKEY tenkey;
};

TEST_F(TenkeyInputTest, AnEntryOfTenOrNinePlacesTunesToTheSameFrequency) {
    type({1, 4, 5, 10, 5, 12}, EntryPlaces::TenToHz);
    EXPECT_EQ(rx->Frequency(), 145500000);
    rx->setFrequency(7000000);
    tenkey.setDigit(9);
    type({4, 3, 3, 10, 9, 2, 12}, EntryPlaces::NineTo10Hz);
    EXPECT_EQ(rx->Frequency(), 433920000);
}

TEST_F(TenkeyInputTest, DpFirstTakesTheMegahertzOfTheFrequencyAndOutsideTheEdgesNothingTunes) {
    type({10, 2, 5, 12}, EntryPlaces::TenToHz);  // . 2 5 ENT at 145 MHz
    EXPECT_EQ(rx->Frequency(), 145250000);
    type({1, 9, 9, 9, 12}, EntryPlaces::TenToHz);
    EXPECT_EQ(rx->Frequency(), 145250000);
    EXPECT_EQ(tenkey.mode(), 0);
}

TEST_F(TenkeyInputTest, TheKeyboardActsOnlyWhileTheReceiverIsOn) {
    rx->setPower(0);
    EXPECT_FALSE(panels::PcKey_Operation(tenkey, *rx, '5', 0, true).acted);
    EXPECT_EQ(tenkey.mode(), 0);
    rx->setPower(1);
    const panels::PcKeyOutcome digit = panels::PcKey_Operation(tenkey, *rx, '5', 0, true);
    EXPECT_TRUE(digit.acted && digit.redraw);
    EXPECT_EQ(tenkey.buff(), "         5");
    rx->AutoMode().setMode(1);
    EXPECT_FALSE(panels::PcKey_Operation(tenkey, *rx, ui::vk::Right, 1, false).redraw);
    EXPECT_TRUE(rx->AutoMode().mode()) << "a panel that keeps automatic mode";
    panels::PcKey_Operation(tenkey, *rx, ui::vk::Right, 1, true);
    EXPECT_FALSE(rx->AutoMode().mode());
}

}  // namespace
}  // namespace corvell::test
