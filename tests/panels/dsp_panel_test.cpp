// The DSP panel: the pointer angle of every level, the switches toggling once per press and only
// while DSP processing is on, the knob turning while held, the lamps, the keyboard passed on by
// panel mode, and the refused close.
#include <gmock/gmock.h>

#include <QTest>

#include "core/clsDSPdata.h"
#include "panels/dsp/frmDSP.h"
#include "resources/ArtCatalog.h"
#include "tests/panels/PanelFixture.h"

namespace corvell::test {
namespace {

using panels::DspLogic;
using panels::frmDSP;

TEST(DspKnob, PointerAnglesByLevel) {
    const int16_t angles[] = {-240, -220, -200, -178, -158, -138, -118, -97,
                              -76,  -56,  -36,  -16,  5,    25,   46,   66};
    for (int level = 0; level <= 15; ++level) {
        EXPECT_EQ(DspLogic::KnobAngle(level), angles[level]) << level;
    }
    EXPECT_EQ(DspLogic::kCentreX(), 418);
    EXPECT_EQ(DspLogic::kCentreY(), 32);
    EXPECT_EQ(DspLogic::PointerLine(-90), (DspLogic::Line{418, 26, 418, 24}));
    EXPECT_EQ(DspLogic::PointerLine(0), (DspLogic::Line{424, 32, 426, 32}));
}

class Target : public ui::TunerKeyTarget {
  public:
    std::vector<std::pair<int, int>> keys;
    void Tuner_Key_Operation(int keyCode, int shift) override { keys.emplace_back(keyCode, shift); }
};

TEST(DspKeys, KeyboardGoesToTheTuningPanelOfThePanelMode) {
    Target tuner, radio, receiver;
    EXPECT_EQ(panels::KeyTargetForPanelMode(0, &tuner, &radio, &receiver), &tuner);
    EXPECT_EQ(panels::KeyTargetForPanelMode(1, &tuner, &radio, &receiver), &radio);
    EXPECT_EQ(panels::KeyTargetForPanelMode(2, &tuner, &radio, &receiver), &receiver);
    EXPECT_EQ(panels::KeyTargetForPanelMode(3, &tuner, &radio, &receiver), nullptr);
}

class DspPanelTest : public PanelTest {
  protected:
    DspPanelTest() {
        rx->DSPdata().setEnable(true);
        dsp = std::make_unique<frmDSP>(
            *rx,
            [this] { return panels::KeyTargetForPanelMode(panelMode, &tuner, nullptr, &receiver); },
            nullptr, &hold);
        dsp->Load();
        dsp->show();
    }
    int16_t shownId(int i) const { return dsp->img(i)->imageId(); }
    clsDSPdata& d() { return rx->DSPdata(); }

    int panelMode = 0;
    Target tuner, receiver;
    std::unique_ptr<frmDSP> dsp;
};

TEST_F(DspPanelTest, AnfActsOnlyWhileDspIsOnAndLampsFollow) {
    ASSERT_FALSE(d().afon());
    click(*dsp, 2);  // ANF with DSP off: nothing
    EXPECT_FALSE(d().anfSetting());
    EXPECT_EQ(shownId(6), 0);
    click(*dsp, 1);  // DSP on
    EXPECT_TRUE(d().afon());
    EXPECT_EQ(shownId(5), 1504);
    click(*dsp, 2);
    EXPECT_TRUE(d().anf());
    EXPECT_EQ(shownId(6), 1503);
    click(*dsp, 3);
    EXPECT_EQ(shownId(7), 1503);
    click(*dsp, 1);  // DSP off keeps ANF and NR but darkens their lamps
    EXPECT_TRUE(d().anfSetting());
    EXPECT_EQ(shownId(5), 0);
    EXPECT_EQ(shownId(6), 0);
    EXPECT_EQ(shownId(7), 0);
    click(*dsp, 1);
    EXPECT_EQ(shownId(6), 1503);
}

TEST_F(DspPanelTest, HoldingTheDspKeyTogglesOnceAndShowsThePressedFace) {
    press(*dsp, 1);
    EXPECT_EQ(shownId(1), 1502);
    hold.advance(1000);
    EXPECT_TRUE(d().afon());
    release(*dsp, 1);
    EXPECT_EQ(shownId(1), 0);
    EXPECT_TRUE(d().afon());
}

TEST_F(DspPanelTest, HoldingTheKnobLowersTheLevelToZeroAndThePointerFollows) {
    click(*dsp, 1);
    int32_t nine = 9;
    d().setNrlevel(nine);
    dsp->Task_exec();
    EXPECT_EQ(dsp->logic().knobAngle(), -56);
    press(*dsp, 4, Qt::LeftButton);
    hold.advance(300 + 200 * 12);
    release(*dsp, 4);
    EXPECT_EQ(d().nrlevel(), 0);
    EXPECT_EQ(dsp->logic().knobAngle(), -240);
    const DspLogic::Line l = DspLogic::PointerLine(-240);
    EXPECT_EQ(dsp->linVRpos()->line(), QLine(l.x1, l.y1, l.x2, l.y2));
    click(*dsp, 4, Qt::RightButton);
    EXPECT_EQ(d().nrlevel(), 1);
}

TEST_F(DspPanelTest, NothingActsWhileTheReceiverIsOff) {
    rx->setPower(0);
    click(*dsp, 1);
    EXPECT_FALSE(d().afon());
}

TEST_F(DspPanelTest, KeysGoToThePanelOfThePanelModeAndACloseIsRefused) {
    QTest::keyClick(dsp.get(), Qt::Key_5);
    panelMode = 2;
    QTest::keyClick(dsp.get(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(tuner.keys, (std::vector<std::pair<int, int>>{{'5', 0}}));
    ASSERT_FALSE(receiver.keys.empty());  // the Shift key itself goes first
    EXPECT_EQ(receiver.keys.back(), (std::pair<int, int>{38, 1}));
    struct Owner : ui::PanelOwner {
        std::vector<std::string> words;
        void KeyAction(const std::string& w) override { words.push_back(w); }
    } owner;
    dsp->Init(owner);
    EXPECT_FALSE(dsp->close());
    EXPECT_TRUE(dsp->isVisible());
    EXPECT_EQ(owner.words, (std::vector<std::string>{"DSP"}));
}

TEST(DspSkin, EveryKeyAndLampHotZoneIsOnTheSkin) {
    const art::ArtRow* skin = art::findArtRow(panels::kDspSkinId);
    ASSERT_TRUE(skin && skin->skin);
    for (int i = 1; i <= 7; ++i) {
        if (i == 4) continue;  // the knob is drawn around its pointer's centre
        const panels::DspImage& image = panels::DspImages()[i];
        bool found = false;
        for (const art::SkinItem& item : skin->skin->items) {
            found |= item.x == image.x && item.y == image.y && item.width == image.width &&
                     item.height == image.height;
        }
        EXPECT_TRUE(found) << image.legend;
    }
}

TEST_F(DspPanelTest, ScreenshotsOffOnAndHeldAndTheLampsDiffer) {
    rx->setPower(0);
    dsp->DispAll();
    dsp->Task_exec();
    saveScreenshot(*dsp, "dsp-off", 2);
    const QImage off = dsp->grab().toImage();
    rx->setPower(1);
    click(*dsp, 1);
    click(*dsp, 2);
    click(*dsp, 3);
    int32_t level = 9;
    d().setNrlevel(level);
    dsp->Task_exec();
    saveScreenshot(*dsp, "dsp-on", 2);
    const QImage on = dsp->grab().toImage();
    for (int lamp = 5; lamp <= 7; ++lamp) {
        const QRect r = dsp->img(lamp)->geometry();
        EXPECT_GT(differingPixels(off.copy(r), on.copy(r)), 20) << "lamp " << lamp;
    }
    press(*dsp, 2);
    saveScreenshot(*dsp, "dsp-anf-held", 2);
    release(*dsp, 2);
}

}  // namespace
}  // namespace corvell::test
