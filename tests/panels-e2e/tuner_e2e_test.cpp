// The tuner panel on the real receiver object, the real link library and an emulated receiver:
// a frequency keyed in on the key pad and the steps of the dial reach the wire in order.
#include "core/clsTSbase.h"
#include "panels/tuner/frmTuner.h"
#include "tests/panels-e2e/PanelE2e.h"
#include "tests/support/program_tuner.h"

namespace corvell::test {
namespace {

class TunerE2e : public PanelE2e {
  protected:
    TunerE2e() {
        switchOn();
        tuner = loadProgramTuner(*rx, &hold);
    }
    ~TunerE2e() override { tuner.reset(); }
    void press(int index, Qt::MouseButton button) { PanelE2e::press(*tuner, index, button); }
    void release(int index, Qt::MouseButton button) { PanelE2e::release(*tuner, index, button); }

    std::unique_ptr<panels::frmTuner> tuner;
};

TEST_F(TunerE2e, KeyPadEntryPutsTheFrequencyLineOnTheWire) {
    ASSERT_TRUE(linked());
    const size_t mark = emu.log().count();
    for (int key : {9, 12, 13, 19, 13, 22}) {  // 1 4 5 . 5 ENT
        press(key, Qt::LeftButton);
        release(key, Qt::LeftButton);
    }
    ASSERT_EQ(rx->Frequency(), 145500000);
    EXPECT_TRUE(emu.log().waitFor(frequencyLine(145500000), mark, 3000));
    EXPECT_TRUE(waitFor([&] { return emu.frequency() == 145500000; }));
}

TEST_F(TunerE2e, TheDialsStepsReachTheWireInOrder) {
    ASSERT_TRUE(linked());
    rx->EntryFrequency(145000000);
    rx->TSbase().setTsname("12.5kHz");
    ASSERT_TRUE(emu.log().waitFor(frequencyLine(145000000), 0, 3000));
    const size_t mark = emu.log().count();
    press(39, Qt::RightButton);  // up: the press, then repeats at 401, 451, 501 ms
    hold.advance(501);
    release(39, Qt::RightButton);
    ASSERT_EQ(rx->Frequency(), 145000000 + 4 * 12500);
    size_t at = mark;
    for (int step = 1; step <= 4; ++step) {
        size_t number = 0;
        const std::string line = frequencyLine(145000000 + step * 12500);
        ASSERT_TRUE(emu.log().waitFor(line, at, 3000, &number)) << line;
        at = number + 1;
    }
    press(39, Qt::LeftButton);  // down, once
    release(39, Qt::LeftButton);
    EXPECT_TRUE(emu.log().waitFor(frequencyLine(145000000 + 3 * 12500), at, 3000));
    EXPECT_TRUE(presenter.shown().empty());
}

}  // namespace
}  // namespace corvell::test
