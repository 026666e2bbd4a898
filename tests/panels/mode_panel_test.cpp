// The mode panel as a user works it: its 16 keys with their "first firing" and "unless blank"
// rules, the indicators with the IF-shift steps, the three sliders that set the receiver and
// follow changes made elsewhere without sending them back, keys passed on to the tuner panel,
// the close that only hides it, the scope window's buttons redrawn after each key, and pictures.
#include <gmock/gmock.h>

#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/clsAUTOMODE.h"
#include "memory/clsMEMORY.h"
#include "panels/common/ToneSquelchKey.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "panels/mode/ModeKeys.h"
#include "panels/mode/ModeLogic.h"
#include "panels/mode/frmMode.h"
#include "tests/panels/PanelFixture.h"

namespace corvell::test {
namespace {

using panels::ModeLogic;

class KeyRecorder : public ui::TunerKeyTarget {
  public:
    std::vector<std::pair<int, int>> keys;
    void Tuner_Key_Operation(int keyCode, int shift) override { keys.emplace_back(keyCode, shift); }
};

class WordRecorder : public ui::PanelOwner {
  public:
    std::vector<std::string> words;
    void KeyAction(const std::string& word) override { words.push_back(word); }
};

class ModePanelTest : public PanelTest {
  public:
    using PanelTest::rs;
    using PanelTest::rx;

    ModePanelTest() {
        rx->setFrequency(7100000);
        rx->setMode(2);
        rx->setFilter(2);
        dialog = std::make_unique<panels::DlgCtcssOption>(*rx, ProgramProfile());
        dialog->Load();
        toneRef = std::make_unique<panels::CtcssDialogRef>(*dialog);
        panel = std::make_unique<panels::frmMode>(
            ModeLogic::Neighbours{*rx, ProgramMemory(), toneRef.get(), [this] { ++scopeDisps; }},
            &tuner, nullptr, &hold);
        panel->Init(owner);
        panel->Load();
        panel->show();
        rs.clear();
    }
    ~ModePanelTest() override {
        panel.reset();
        dialog.reset();
    }
    int16_t shownId(int index) const { return panel->img(index)->imageId(); }

    KeyRecorder tuner;
    WordRecorder owner;
    int scopeDisps = 0;
    std::unique_ptr<panels::DlgCtcssOption> dialog;
    std::unique_ptr<panels::CtcssDialogRef> toneRef;
    std::unique_ptr<panels::frmMode> panel;
};

TEST(ModeRules, IfShiftFallsIntoSevenSteps) {
    const std::pair<int, int> rows[] = {
        {0, 1238},   {36, 1238},  {37, 1239},  {73, 1239},  {74, 1240},  {109, 1240},
        {110, 1241}, {146, 1241}, {147, 1242}, {182, 1242}, {183, 1243}, {219, 1243},
        {220, 1244}, {255, 1244}, {-5, 1238},  {300, 1244},
    };
    for (const auto& [value, id] : rows) EXPECT_EQ(ModeLogic::IfShiftPicture(value), id) << value;
}

TEST_F(ModePanelTest, KeysFollowTheirTableWithTheBlankRule) {
    struct Case {
        const char* name;
        int index;
        std::function<void(ModePanelTest&)> before;
        std::function<bool(ModePanelTest&)> after;
    };
    auto freq = [](int32_t f, int32_t mode) {
        return [=](ModePanelTest& t) {
            t.rx->setFrequency(f);
            t.rx->setMode(mode);
        };
    };
    auto modeIs = [](int32_t m) { return [=](ModePanelTest& t) { return t.rx->mode() == m; }; };
    const Case cases[] = {
        {"SSB in AM below 10 MHz", 2, freq(7100000, 2), modeIs(0)},
        {"SSB in AM from 10 MHz", 2, freq(14200000, 2), modeIs(1)},
        {"SSB flips LSB to USB", 2, freq(14200000, 0), modeIs(1)},
        {"SSB flips USB to LSB", 2, freq(7100000, 1), modeIs(0)},
        {"CW", 3, nullptr, modeIs(3)},
        {"AM", 4, freq(7100000, 5), modeIs(2)},
        {"WFM", 6, nullptr, modeIs(6)},
        {"FM", 7, nullptr, modeIs(5)},
        {"a mode key switches automatic mode off", 7,
         [](ModePanelTest& t) { t.rx->AutoMode().setMode(1); },
         [](ModePanelTest& t) { return !t.rx->AutoMode().mode(); }},
        {"AUTO toggles", 5, nullptr, [](ModePanelTest& t) { return t.rx->AutoMode().mode(); }},
        {"filter up in AM at 3 stays 3", 9, [](ModePanelTest& t) { t.rx->setFilter(3); },
         [](ModePanelTest& t) { return t.rx->filter() == 3; }},
        {"filter up", 9, nullptr, [](ModePanelTest& t) { return t.rx->filter() == 3; }},
        {"filter down", 10, nullptr, [](ModePanelTest& t) { return t.rx->filter() == 1; }},
        {"filter down in WFM from 3 stays 3", 10,
         [](ModePanelTest& t) {
             t.rx->setMode(6);
             t.rx->setFilter(3);
         },
         [](ModePanelTest& t) { return t.rx->filter() == 3; }},
        {"IF shift centre", 11, [](ModePanelTest& t) { t.rx->setIfshift(20); },
         [](ModePanelTest& t) { return t.rx->ifshift() == 128; }},
        {"AFC", 12, nullptr, [](ModePanelTest& t) { return t.rx->afc() == 1; }},
        {"ATT", 13, nullptr, [](ModePanelTest& t) { return t.rx->att() == 1; }},
        {"NB", 14, nullptr, [](ModePanelTest& t) { return t.rx->nb() == 1; }},
        {"AGC", 15, [](ModePanelTest& t) { t.rs.setValue("Agc", 1); },
         [](ModePanelTest& t) { return t.rx->agc() == 0; }},
        {"monitor", 16, nullptr, [](ModePanelTest& t) { return t.rx->moni() != 0; }},
        {"mute", 17, nullptr, [](ModePanelTest& t) { return t.rx->afmute() != 0; }},
        {"tone key shows the dialog with the remembered tone", 8, nullptr,
         [](ModePanelTest& t) { return t.dialog->isVisible() && t.rx->ctcss() == 1; }},
        {"tone key with the dialog shown switches the tone off", 8,
         [](ModePanelTest& t) {
             t.dialog->DispOn();
             t.rx->setCtcss(9);
         },
         [](ModePanelTest& t) { return !t.dialog->isVisible() && t.rx->ctcss() == 0; }},
        // Blank: the filter, AFC, ATT, NB, AGC and mute keys do nothing; monitor still acts.
        {"blank filter up", 9, freq(0, 2), [](ModePanelTest& t) { return t.rx->filter() == 2; }},
        {"blank filter down", 10, freq(0, 2), [](ModePanelTest& t) { return t.rx->filter() == 2; }},
        {"blank AFC", 12, freq(0, 5), [](ModePanelTest& t) { return t.rx->afc() == 0; }},
        {"blank NB", 14, freq(0, 5), [](ModePanelTest& t) { return t.rx->nb() == 0; }},
        {"blank AGC", 15, freq(0, 5), [](ModePanelTest& t) { return t.rx->agc() == 0; }},
        {"blank mute", 17, freq(0, 5), [](ModePanelTest& t) { return t.rx->afmute() == 0; }},
        {"blank monitor", 16, freq(0, 5), [](ModePanelTest& t) { return t.rx->moni() != 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rx->setFrequency(7100000);
        rx->setMode(2);
        rx->setFilter(2);
        for (const char* f : {"Att", "Nb", "Agc", "Afc", "Moni", "Afmute", "Ctcss"})
            rs.setValue(f, 0);
        rx->AutoMode().off();
        dialog->DispOff();
        if (c.before) c.before(*this);
        const int disps = scopeDisps;
        press(*panel, c.index);
        EXPECT_EQ(shownId(c.index), panels::FindModeKey(c.index)->heldId);
        release(*panel, c.index);
        EXPECT_EQ(shownId(c.index), 0);
        EXPECT_TRUE(c.after(*this));
        EXPECT_EQ(scopeDisps, disps + 1);  // the scope window redraws its buttons after a key
    }
}

TEST_F(ModePanelTest, HoldingMuteTogglesOnEveryRepeatButMonitorOnlyOnce) {
    press(*panel, 17);
    EXPECT_NE(rx->afmute(), 0);
    hold.advance(310);
    EXPECT_EQ(rx->afmute(), 0);
    hold.advance(200);
    EXPECT_NE(rx->afmute(), 0);
    release(*panel, 17);
    press(*panel, 16);
    hold.advance(310);
    hold.advance(200);
    EXPECT_NE(rx->moni(), 0);
    release(*panel, 16);
}

TEST_F(ModePanelTest, WithTheReceiverOffKeysDoNothing) {
    rx->setPower(0);
    rs.clear();
    for (const panels::ModeKey& key : panels::ModeKeys()) click(*panel, key.index);
    EXPECT_EQ(rs.sends().size(), 0u);
    EXPECT_EQ(scopeDisps, 0);
}

TEST_F(ModePanelTest, IndicatorsShowTheReceiverAndGoDarkWhileBlank) {
    rx->setMode(1);
    rx->setFilter(0);
    rx->setIfshift(37);
    for (const char* f : {"Att", "Nb", "Agc", "Afc", "Moni"}) rs.setValue(f, 1);
    rx->AutoMode().setMode(1);
    panel->Task_exec();
    const std::pair<int, int> lit[] = {{18, 1221}, {19, 1215}, {20, 1222}, {21, 1239},
                                       {22, 1234}, {23, 1230}, {24, 1228}, {25, 1232},
                                       {26, 1236}, {27, 1235}, {28, 0}};
    for (const auto& [index, id] : lit) EXPECT_EQ(shownId(index), id) << index;

    rx->setFrequency(0);
    panel->Task_exec();
    const std::pair<int, int> dark[] = {{18, 1220}, {22, 1233}, {23, 1229},
                                        {24, 1227}, {25, 1231}, {26, 1236}};
    for (const auto& [index, id] : dark) EXPECT_EQ(shownId(index), id) << index;

    rx->setFrequency(145000000);
    rx->setMode(5);
    rs.setValue("Ctcss", 3);
    panel->Task_exec();
    EXPECT_EQ(shownId(19), 1218);
    EXPECT_EQ(shownId(21), 1245);  // no IF shift in FM, whatever its value
    EXPECT_EQ(shownId(28), 1237);
    rx->setMode(2);
    panel->Task_exec();
    EXPECT_EQ(shownId(19), 1217);
    EXPECT_EQ(shownId(28), 0);
}

TEST_F(ModePanelTest, SlidersSetTheReceiverAndFollowItWithoutEchoing) {
    panel->sldAfgain(0)->setValue(90);
    EXPECT_EQ(rx->afgain(), 90);
    panel->sldAfgain(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(rx->squelch(), panel->sldAfgain(1)->value());
    panel->sldIFShift(0)->setValue(200);
    EXPECT_EQ(rx->ifshift(), 200);
    EXPECT_EQ(shownId(21), 1245);  // AM has no IF shift
    rx->setMode(1);
    panel->sldIFShift(0)->setValue(201);
    EXPECT_EQ(shownId(21), 1243);

    // Changes made elsewhere move the sliders on the next tick and are not sent back.
    rx->setAfgain(17);
    rx->setSquelch(33);
    rx->setIfshift(128);
    rs.clear();
    panel->Task_exec();
    EXPECT_EQ(panel->sldAfgain(0)->value(), 17);
    EXPECT_EQ(panel->sldAfgain(1)->value(), 33);
    EXPECT_EQ(panel->sldIFShift(0)->value(), 128);
    EXPECT_EQ(rs.count("RsSetAfgain") + rs.count("RsSetSql") + rs.count("RsSetIfshift"), 0);

    // The sliders act with the receiver off too; a hidden panel does not move them.
    rx->setPower(0);
    panel->sldAfgain(1)->setValue(60);
    EXPECT_EQ(rx->squelch(), 60);
    panel->hide();
    rx->setAfgain(5);
    panel->Task_exec();
    EXPECT_EQ(panel->sldAfgain(0)->value(), 17);
}

TEST_F(ModePanelTest, KeysGoToTheTunerAndACloseOnlyHides) {
    QTest::keyClick(panel.get(), Qt::Key_Up, Qt::ShiftModifier);
    // Every key down goes on as it came, the Shift key itself too.
    ASSERT_FALSE(tuner.keys.empty());
    EXPECT_EQ(tuner.keys.back(), std::make_pair(38, 1));
    panel->close();
    EXPECT_EQ(owner.words, std::vector<std::string>{"MODE"});
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(ModePanelTest, Screenshots) {
    rx->setMode(1);
    rx->setFrequency(14200000);
    rx->setFilter(0);
    rx->setIfshift(150);
    rs.setValue("Agc", 1);
    rs.setValue("Att", 1);
    rx->setAfgain(120);
    rx->setSquelch(40);
    panel->Task_exec();
    saveScreenshot(*panel, "mode-usb", 2);
    rx->setMode(5);
    rx->setFilter(2);
    rs.setValue("Ctcss", 12);
    rs.setValue("Afmute", 1);
    rx->AutoMode().setMode(1);
    press(*panel, 7);
    panel->Task_exec();
    saveScreenshot(*panel, "mode-fm-held", 2);
    release(*panel, 7);
    rx->setFrequency(0);
    panel->Task_exec();
    saveScreenshot(*panel, "mode-blank", 2);
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

TEST_F(ModePanelTest, LayoutPlacesKeysIndicatorsAndSliders) {
    EXPECT_EQ(panel->size(), QSize(512, 126));
    EXPECT_EQ(panel->img(1)->geometry(), QRect(-1000, -1000, 1, 1));
    for (const panels::ModeKey& key : panels::ModeKeys()) {
        EXPECT_EQ(panel->img(key.index)->geometry(), QRect(key.x, key.y, key.width, key.height))
            << key.index;
    }
    // Indicators take the size of their bitmaps.
    const std::tuple<int, QRect> indicators[] = {
        {18, QRect(41, 39, 36, 10)},  {19, QRect(37, 50, 85, 14)},  {20, QRect(128, 45, 85, 20)},
        {21, QRect(225, 45, 65, 20)}, {22, QRect(298, 40, 30, 11)}, {23, QRect(330, 53, 30, 11)},
        {24, QRect(330, 40, 30, 11)}, {25, QRect(302, 53, 22, 11)}, {26, QRect(382, 84, 40, 5)},
        {27, QRect(432, 84, 40, 5)},  {28, QRect(92, 39, 32, 10)},
    };
    for (const auto& [index, rect] : indicators) EXPECT_EQ(panel->img(index)->geometry(), rect);
    EXPECT_EQ(panel->sldAfgain(0)->geometry(), QRect(380, 38, 95, 12));
    EXPECT_EQ(panel->sldAfgain(1)->geometry(), QRect(380, 68, 95, 12));
    EXPECT_EQ(panel->sldIFShift(0)->geometry(), QRect(213, 77, 95, 12));
    for (QScrollBar* s : {panel->sldAfgain(0), panel->sldAfgain(1), panel->sldIFShift(0)}) {
        EXPECT_EQ(s->minimum(), 0);
        EXPECT_EQ(s->maximum(), 255);
    }
}

}  // namespace
}  // namespace corvell::test
