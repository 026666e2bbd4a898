// The tuner panel as a user works it: every hot zone clicked at its centre acts on the receiver
// object (or the memory list) and shows its pressed face; memory write and clear act only when
// held; the key pad with MCH and ENT, the keyboard, the dial, the labels and the in-place name
// editors; a close from the window is refused.
#include <gmock/gmock.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "core/clsAUTOMODE.h"
#include "core/clsTSbase.h"
#include "memory/clsMEMORY.h"
#include "panels/common/InPlaceEditor.h"
#include "panels/common/PanelLabel.h"
#include "panels/tuner/TunerKeys.h"
#include "panels/tuner/frmTuner.h"
#include "resources/ArtCatalog.h"
#include "tests/panels/PanelFixture.h"
#include "tests/support/accessible_tree.h"
#include "tests/support/program_tuner.h"

namespace corvell::test {
namespace {

using panels::frmTuner;
using panels::TunerAction;

class RecordingOwner : public ui::PanelOwner {
  public:
    std::vector<std::string> words;
    void KeyAction(const std::string& word) override { words.push_back(word); }
};

class TunerPanelTest : public PanelTest {
  protected:
    TunerPanelTest() {
        fillChannels();
        rx->setFrequency(145000000);
        ProgramMemory().setActiveBank(0);
        ProgramMemory().setActiveCh(0);
        tuner = loadProgramTuner(*rx, &hold, &owner);
        rs.clear();
    }
    ~TunerPanelTest() override { tuner.reset(); }

    void clickKeys(std::initializer_list<int> images) {
        for (int i : images) click(*tuner, i);
    }
    int16_t shownId(int index) const { return tuner->img(index)->imageId(); }

    RecordingOwner owner;
    std::unique_ptr<frmTuner> tuner;
};

// What a click on each key changed, checked per action.
TEST_F(TunerPanelTest, AClickAtTheCentreOfEveryHotZoneActsAndShowsItsPressedFace) {
    clsMEMORY& mem = ProgramMemory();
    for (const panels::TunerImage& key : panels::TunerImages()) {
        if (key.action == TunerAction::Indicator) continue;
        SCOPED_TRACE(key.legend);
        tuner->logic().tenkey().off();
        rx->setFrequency(145000000);
        rs.clear();
        const int16_t bankBefore = mem.ActiveBank();
        const int16_t chBefore = mem.ActiveCh();
        const clsMchDATA channelBefore = mem.chData(bankBefore, chBefore);
        const int modeBefore = tuner->logic().bankLabelMode();
        const std::string stepBefore = rx->TSbase().tsname();
        const int32_t freqBefore = rx->Frequency();

        press(*tuner, key.index, Qt::LeftButton);
        EXPECT_EQ(shownId(key.index), key.pressedId);
        if (key.action == TunerAction::Tenkey && key.tenkeyCode <= 10) {
            EXPECT_EQ(tuner->logic().tenkey().mode(), 1);  // the entry is open while held
        }
        release(*tuner, key.index, Qt::LeftButton);
        EXPECT_EQ(shownId(key.index), 0);

        switch (key.action) {
            case TunerAction::ChannelDown:
                EXPECT_EQ(mem.ActiveCh(), (chBefore + 49) % 50);
                EXPECT_EQ(rx->Frequency(), channelHz(bankBefore, mem.ActiveCh()));
                break;
            case TunerAction::ChannelUp:
                EXPECT_EQ(mem.ActiveCh(), (chBefore + 1) % 50);
                EXPECT_EQ(rx->Frequency(), channelHz(bankBefore, mem.ActiveCh()));
                break;
            case TunerAction::BankLabelMode:
                EXPECT_NE(tuner->logic().bankLabelMode(), modeBefore);
                break;
            case TunerAction::BankUp:
                EXPECT_EQ(mem.ActiveBank(), bankBefore + 1);
                EXPECT_EQ(rx->Frequency(), channelHz(mem.ActiveBank(), mem.ActiveCh()));
                break;
            case TunerAction::BankDown:
                EXPECT_EQ(mem.ActiveBank(), bankBefore - 1);
                EXPECT_EQ(rx->Frequency(), channelHz(mem.ActiveBank(), mem.ActiveCh()));
                break;
            case TunerAction::StepUp:
            case TunerAction::StepDown:
                EXPECT_NE(rx->TSbase().tsname(), stepBefore);
                break;
            case TunerAction::Tenkey:
                if (key.tenkeyCode <= 10) {
                    EXPECT_EQ(tuner->logic().tenkey().mode(), 1);
                } else {
                    EXPECT_EQ(tuner->logic().tenkey().mode(), 0);
                }
                break;
            case TunerAction::Mch:
                EXPECT_EQ(tuner->logic().tenkey().mode(), 0);
                break;
            case TunerAction::MemoryWrite:
            case TunerAction::MemoryClear:
                EXPECT_EQ(mem.chData(bankBefore, chBefore).lngFreq(), channelBefore.lngFreq())
                    << "a click must not write or clear";
                EXPECT_EQ(rx->Frequency(), 145000000);
                break;
            case TunerAction::Dial:
                EXPECT_EQ(rx->Frequency(), freqBefore - rx->TSbase().tsfrq());
                EXPECT_EQ(rs.count("RsSendFreq"), 1);
                break;
            case TunerAction::Indicator:
                break;
        }
        // Step keys are undone so the next one has a step to move.
        if (key.action == TunerAction::StepUp) rx->TSbase().movedown();
        if (key.action == TunerAction::StepDown) rx->TSbase().moveup();
    }
}

TEST_F(TunerPanelTest, MemoryWriteAndClearActOnlyPastTheThirdRepeatAndLightTheirIndicator) {
    clsMEMORY& mem = ProgramMemory();
    mem.setActiveCh(4);
    // Write: the channel takes the receiver's frequency.
    rx->setFrequency(145500000);
    press(*tuner, 25);
    hold.advance(301);  // first repeat
    hold.advance(200);  // second
    EXPECT_EQ(mem.chData(0, 4).lngFreq(), channelHz(0, 4));
    EXPECT_EQ(shownId(41), 0);
    hold.advance(200);  // third: the hold is confirmed
    EXPECT_EQ(mem.chData(0, 4).lngFreq(), 145500000);
    EXPECT_EQ(mem.chData(0, 4).name1().substr(0, 3), "CH4");  // the name is kept
    EXPECT_EQ(shownId(41), 1324);
    EXPECT_EQ(shownId(40), 0);
    release(*tuner, 25);
    EXPECT_EQ(shownId(41), 0);
    EXPECT_EQ(shownId(25), 0);
    // Clear: channel and receiver go blank, only past the third repeat as well.
    mem.setActiveCh(5);
    press(*tuner, 26);
    hold.advance(501);
    EXPECT_EQ(mem.chData(0, 5).lngFreq(), channelHz(0, 5));
    EXPECT_EQ(shownId(40), 0);
    hold.advance(200);
    EXPECT_TRUE(mem.chk_blank(0, 5));
    EXPECT_EQ(rx->Frequency(), 0);
    EXPECT_EQ(shownId(40), 1323);
    release(*tuner, 26);
    EXPECT_EQ(shownId(40), 0);
}

// A held key never holds up the program: the press returns at once and the heartbeat keeps
// redrawing between the repeats.
TEST_F(TunerPanelTest, TheHeartbeatRedrawsWhileAKeyIsHeld) {
    press(*tuner, 7);  // step up, held
    EXPECT_EQ(tuner->repeater().RepeatStat(), 1);
    rx->setFrequency(433920000);
    tuner->Task_exec();
    EXPECT_EQ(shownId(28), 1604);  // " 433.920.000 "
    EXPECT_EQ(shownId(7), 1321);   // still pressed
    hold.advance(301);
    EXPECT_EQ(tuner->repeater().RepeatStat(), 2);
    release(*tuner, 7);
    EXPECT_EQ(shownId(7), 0);
}

TEST_F(TunerPanelTest, HoldingADigitEntersItOnceAndHoldingBankUpRepeats) {
    press(*tuner, 13);  // "5"
    hold.advance(1000);
    release(*tuner, 13);
    EXPECT_EQ(tuner->logic().tenkey().buff(), "         5");
    press(*tuner, 5);
    hold.advance(1000);  // the press, then at 300, 500, 700, 900 ms
    release(*tuner, 5);
    EXPECT_EQ(ProgramMemory().ActiveBank(), 5);
}

TEST_F(TunerPanelTest, KeyPadEntryTunesWithinTheBandEdgesOnly) {
    clickKeys({9, 12, 13, 19, 13, 22});  // 1 4 5 . 5 ENT
    EXPECT_EQ(rx->Frequency(), 145500000);
    EXPECT_EQ(shownId(27), 0);  // " 145.500.000 "
    EXPECT_EQ(shownId(28), 1601);
    EXPECT_EQ(shownId(30), 1605);
    EXPECT_EQ(shownId(31), 1610);
    EXPECT_EQ(shownId(32), 1605);
    clickKeys({9, 17, 17, 17, 22});  // 1999 MHz lies outside every table
    EXPECT_EQ(rx->Frequency(), 145500000);
}

TEST_F(TunerPanelTest, MchSelectsTheTypedChannelOnlyWhileTheEntryIsOpen) {
    clsMEMORY& mem = ProgramMemory();
    struct Case {
        std::vector<int> keys;
        int16_t channel;  // -1: no change
    };
    const Case cases[] = {
        {{9, 10, 21}, 12},      // 1 2 MCH
        {{9, 10, 11, 21}, -1},  // 1 2 3 MCH only closes the entry
        {{15, 13, 21}, 49},     // 7 5 MCH selects 49
        {{9, 10, 20, 21}, -1},  // 1 2 CE MCH: the "12" left over must not recall
        {{9, 10, 22, 21}, -1},  // 1 2 ENT MCH: "12000000" left over must not recall
        {{9, 19, 10, 21}, -1},  // a point typed
        {{21}, -1},
    };
    for (const Case& c : cases) {
        mem.setActiveCh(3);
        rx->setFrequency(145000000);
        for (int k : c.keys) click(*tuner, k);
        if (c.channel < 0) {
            EXPECT_EQ(mem.ActiveCh(), 3) << c.keys.size();
            EXPECT_NE(rx->Frequency(), channelHz(0, 3)) << "no recall";
        } else {
            EXPECT_EQ(mem.ActiveCh(), c.channel);
            EXPECT_EQ(rx->Frequency(), channelHz(0, c.channel));
        }
        EXPECT_EQ(tuner->logic().tenkey().mode(), 0);
    }
}

TEST_F(TunerPanelTest, AnOpenEntryIsClosedByAnyKeyOutsideTheKeyPad) {
    clickKeys({9, 10});
    EXPECT_EQ(tuner->logic().tenkey().mode(), 1);
    click(*tuner, 3);  // channel up
    EXPECT_EQ(tuner->logic().tenkey().mode(), 0);
    EXPECT_EQ(ProgramMemory().ActiveCh(), 1);
}

TEST_F(TunerPanelTest, NoKeyActsWhileTheReceiverIsOffButThePressedFaceShows) {
    rx->setPower(0);
    press(*tuner, 3);
    EXPECT_EQ(shownId(3), 1321);
    release(*tuner, 3);
    clickKeys({9, 12, 13, 22});
    QTest::keyClick(tuner.get(), Qt::Key_1);
    EXPECT_EQ(tuner->logic().tenkey().mode(), 0);
    EXPECT_EQ(ProgramMemory().ActiveCh(), 0);
    EXPECT_EQ(rx->Frequency(), 145000000);
}

TEST_F(TunerPanelTest, TheKeyboardEntersFrequenciesAndStepsLevels) {
    for (Qt::Key k : {Qt::Key_1, Qt::Key_4, Qt::Key_5, Qt::Key_Period, Qt::Key_5, Qt::Key_Return}) {
        QTest::keyClick(tuner.get(), k);
    }
    EXPECT_EQ(rx->Frequency(), 145500000);
    rx->setAfgain(248);
    QTest::keyClick(tuner.get(), Qt::Key_Up);
    EXPECT_EQ(rx->afgain(), 253);
    rx->setSquelch(3);
    QTest::keyClick(tuner.get(), Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(rx->squelch(), 0);
    rx->AutoMode().setMode(1);
    const std::string step = rx->TSbase().tsname();
    QTest::keyClick(tuner.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NE(rx->TSbase().tsname(), step);
    EXPECT_FALSE(rx->AutoMode().mode());
    // Keys another panel passes on act the same.
    tuner->Tuner_Key_Operation('7', 0);
    EXPECT_EQ(tuner->logic().tenkey().buff(), "         7");
}

TEST_F(TunerPanelTest, TheDialStepsByMouseButtonAndAcceleratesWhileHeld) {
    rx->TSbase().setTsname("12.5kHz");
    ProgramSettings().DialSpeed = 1;
    const int32_t f0 = rx->Frequency();
    click(*tuner, 39, Qt::RightButton);
    EXPECT_EQ(rx->Frequency(), f0 + 12500);
    EXPECT_EQ(tuner->logic().dialPosition(), 20);
    press(*tuner, 39, Qt::LeftButton);
    EXPECT_EQ(tuner->repeater().RepeatTime(), 400);
    hold.advance(401);
    EXPECT_EQ(tuner->repeater().RepeatTime(), 50);
    for (int i = 0; i < 25; ++i) hold.advance(50);
    EXPECT_EQ(tuner->repeater().RepeatCount(), 26);
    EXPECT_EQ(tuner->repeater().RepeatTime(), 30);
    release(*tuner, 39);
    EXPECT_EQ(rx->Frequency(), f0 + 12500 - 27 * 12500);
    EXPECT_EQ(tuner->shapeDial()->pos(),
              QPoint(panels::TunerLogic::DialMarkAt(
                         panels::TunerLogic::DialAngle(tuner->logic().dialPosition()))
                         .left,
                     panels::TunerLogic::DialMarkAt(
                         panels::TunerLogic::DialAngle(tuner->logic().dialPosition()))
                         .top));
}

TEST(TunerDial, PositionsWrapAndTheMarkCirclesTheDial) {
    EXPECT_EQ(panels::TunerLogic::DialAngle(10), 18);
    EXPECT_EQ(panels::TunerLogic::DialAngle(190), 342);
    using P = panels::TunerLogic::Point;
    EXPECT_EQ(panels::TunerLogic::DialMarkAt(0), (P{442, 56}));
    EXPECT_EQ(panels::TunerLogic::DialMarkAt(90), (P{414, 82}));
    EXPECT_EQ(panels::TunerLogic::DialMarkAt(180), (P{386, 56}));
    EXPECT_EQ(panels::TunerLogic::DialMarkAt(360), (P{442, 56}));
}

TEST_F(TunerPanelTest, TwentyTurnsUpReturnTheMarkAndOneDownFromZeroGives190) {
    panels::TunerLogic& logic = tuner->logic();
    ASSERT_EQ(logic.dialPosition(), 10);
    for (int i = 0; i < 20; ++i) logic.TurnDial(1);
    EXPECT_EQ(logic.dialPosition(), 10);
    logic.TurnDial(-1);
    logic.TurnDial(-1);
    EXPECT_EQ(logic.dialPosition(), 190);
}

TEST(TunerTexts, StepBankAndChannelLabels) {
    using L = panels::TunerLogic;
    EXPECT_EQ(L::StepText("2.5kHz", false), "2.5k");
    EXPECT_EQ(L::StepText("1MHz", false), "1M");
    EXPECT_EQ(L::StepText("50Hz", false), "50Hz");
    EXPECT_EQ(L::StepText(" 20kHz ", false), "20k");
    EXPECT_EQ(L::StepText("20kHz", true), "");
    EXPECT_EQ(L::BankNumberText(3), " 03");
    EXPECT_EQ(L::BankNumberText(19), " 19");
    EXPECT_EQ(L::ChannelText(7, true, "ignored"), " 07 - BLANK -");
    EXPECT_EQ(L::ChannelText(12, false, "TOWER           "), " 12 - TOWER           ");
}

TEST_F(TunerPanelTest, LabelsShowBankChannelAndStepAndABlankReceiverShowsOnlyThePoints) {
    ProgramMemory().setActiveBank(3);
    ProgramMemory().setActiveCh(7);
    ProgramMemory().chData(3, 7).setLngFreq(0);
    tuner->DispAll();
    EXPECT_EQ(tuner->picBankName()->text(), " 03");
    EXPECT_EQ(tuner->picChName()->text(), " 07 - BLANK -");
    EXPECT_FALSE(tuner->picTsName()->text().isEmpty());
    rx->setFrequency(0);
    tuner->DispAll();
    EXPECT_TRUE(tuner->picTsName()->text().isEmpty());
    EXPECT_EQ(shownId(27), 0);
    EXPECT_EQ(shownId(31), 1610);
    EXPECT_EQ(shownId(35), 1610);
    EXPECT_EQ(shownId(38), 0);
}

TEST_F(TunerPanelTest, NamesOfAnyLengthOrContentKeepTheLabelsInPlaceAsPlainText) {
    const QRect bankRect = tuner->picBankName()->geometry();
    click(*tuner, 4);  // the bank label shows the name
    ProgramMemory().setBankName(0, "<b>Air</b>\nband " + std::string(5000, 'W'));
    tuner->DispAll();
    panels::PanelLabel* label = tuner->picBankName();
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->geometry(), bankRect);
    EXPECT_TRUE(label->text().startsWith("<b>Air"));
    EXPECT_FALSE(label->text().contains('\n'));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), bankRect.width());
    EXPECT_GE(label->font().pointSizeF(), 1.0);
}

TEST_F(TunerPanelTest, TheBankEditorOpensOnlyOnTheNameAndEnterStoresIt) {
    QTest::mouseDClick(tuner->picBankName(), Qt::LeftButton);
    EXPECT_FALSE(tuner->txtBANKname()->isOpen()) << "the bank number is not edited";
    click(*tuner, 4);
    tuner->logic().tenkey().finp(0);
    list.calls.clear();
    QTest::mouseDClick(tuner->picBankName(), Qt::LeftButton);
    ASSERT_TRUE(tuner->txtBANKname()->isOpen());
    EXPECT_EQ(tuner->logic().tenkey().mode(), 0) << "opening the editor cancels the entry";
    tuner->txtBANKname()->clear();
    QTest::keyClicks(tuner->txtBANKname(), "Airband");
    QTest::keyClick(tuner->txtBANKname(), Qt::Key_Return);
    EXPECT_FALSE(tuner->txtBANKname()->isOpen());
    EXPECT_THAT(ProgramMemory().BankName(0), ::testing::StartsWith("Airband"));
    // The label shows as much of the typed name as fits its width.
    EXPECT_FALSE(tuner->picBankName()->text().isEmpty());
    EXPECT_TRUE(QString("Airband").startsWith(tuner->picBankName()->text()));
    EXPECT_TRUE(tuner->picBankName()->isVisible());
    EXPECT_THAT(list.calls, ::testing::ElementsAre("ListBankName", "UpdateSheet"));
    EXPECT_TRUE(ProgramMemory().MemoryChanged());
}

TEST_F(TunerPanelTest, EscapeOrLostFocusCancelsTheChannelEditor) {
    const std::string before = ProgramMemory().chData(0, 0).name1();
    list.calls.clear();
    QTest::mouseDClick(tuner->picChName(), Qt::LeftButton);
    ASSERT_TRUE(tuner->txtMEMOname()->isOpen());
    QTest::keyClicks(tuner->txtMEMOname(), "Tower");
    QTest::keyClick(tuner->txtMEMOname(), Qt::Key_Escape);
    EXPECT_FALSE(tuner->txtMEMOname()->isOpen());
    EXPECT_EQ(ProgramMemory().chData(0, 0).name1(), before);

    QTest::mouseDClick(tuner->picChName(), Qt::LeftButton);
    ASSERT_TRUE(tuner->txtMEMOname()->isOpen());
    QTest::keyClicks(tuner->txtMEMOname(), "Tower");
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(tuner->txtMEMOname(), &out);
    EXPECT_FALSE(tuner->txtMEMOname()->isOpen());
    EXPECT_TRUE(tuner->picChName()->isVisible());
    EXPECT_EQ(ProgramMemory().chData(0, 0).name1(), before);
    EXPECT_TRUE(list.calls.empty());
    EXPECT_FALSE(ProgramMemory().MemoryChanged());

    QTest::mouseDClick(tuner->picChName(), Qt::LeftButton);
    tuner->txtMEMOname()->setText("Tower, north");
    QTest::keyClick(tuner->txtMEMOname(), Qt::Key_Enter);
    EXPECT_EQ(ProgramMemory().chData(0, 0).name1(), "Tower  north    ");
    EXPECT_THAT(list.calls, ::testing::ElementsAre("UpdateSheet"));
    EXPECT_TRUE(ProgramMemory().MemoryChanged());
}

TEST_F(TunerPanelTest, WhileAnEditorIsOpenThePanelTakesNoKeys) {
    QTest::mouseDClick(tuner->picChName(), Qt::LeftButton);
    ASSERT_TRUE(tuner->txtMEMOname()->isOpen());
    QTest::keyClick(tuner->txtMEMOname(), Qt::Key_5);
    EXPECT_EQ(tuner->logic().tenkey().mode(), 0);
}

TEST_F(TunerPanelTest, NoEditorOpensOnABlankReceiver) {
    rx->setFrequency(0);
    tuner->DispAll();
    QTest::mouseDClick(tuner->picChName(), Qt::LeftButton);
    EXPECT_FALSE(tuner->txtMEMOname()->isOpen());
}

TEST_F(TunerPanelTest, ACloseFromTheWindowIsRefusedAndAsksTheOwnerToHideIt) {
    EXPECT_FALSE(tuner->close());
    EXPECT_TRUE(tuner->isVisible());
    EXPECT_EQ(owner.words, (std::vector<std::string>{"TUNER"}));
    EXPECT_EQ(tuner->placementKey(), "Tuner Form");
}

TEST_F(TunerPanelTest, AnIdleHeartbeatRedrawsNothing) {
    tuner->Task_exec();
    EXPECT_EQ(tuner->DispAll(), 0);
    rx->setFrequency(145012500);
    EXPECT_GT(tuner->DispAll(), 0);
}

// A screen reader hears the frequency as one text, read as the digits show it (the tuned value,
// or the entry being typed), and none of the digit places on their own.
TEST_F(TunerPanelTest, TheReadoutReadsWhatTheDigitsShow) {
    struct Case {
        const char* what;
        int32_t hz;
        std::vector<int> keys;
        const char* text;
    };
    const Case cases[] = {
        {"tuned in VHF", 145000000, {}, "145.000.000 MHz"},
        {"tuned below 1 MHz", 531000, {}, "0.531.000 MHz"},
        {"tuned above 1 GHz", 1296512500, {}, "1296.512.500 MHz"},
        {"an entry of whole MHz", 145000000, {9, 12}, "14 MHz"},
        {"an entry past the point", 145000000, {9, 12, 13, 19, 13}, "145.5 MHz"},
        {"an entry closed by ENT", 145000000, {9, 12, 13, 19, 13, 22}, "145.500.000 MHz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tuner->logic().tenkey().off();
        rx->setFrequency(c.hz);
        tuner->Task_exec();
        for (int key : c.keys) click(*tuner, key);
        EXPECT_EQ(accessibleReadout(tuner.get(), "Frequency"), c.text);
    }
    for (const AccessibleNode& node : accessibleTree(tuner.get())) {
        for (int place = panels::kFirstReadoutImage; place < panels::kFirstReadoutImage + 12;
             ++place) {
            EXPECT_NE(node.object, tuner->img(place)) << "digit place " << place;
        }
    }
}

// An idle heartbeat tells a screen reader nothing; a new frequency is told once.
TEST_F(TunerPanelTest, AScreenReaderIsToldOfANewFrequencyOnceAndOfNoIdleTick) {
    auto* readout = tuner->findChild<ui::AccessibleReadout*>();
    ASSERT_NE(readout, nullptr);
    QSignalSpy told(readout, &ui::AccessibleReadout::textChanged);
    for (int i = 0; i < 20; ++i) tuner->Task_exec();
    EXPECT_EQ(told.count(), 0);
    rx->setFrequency(145012500);
    for (int i = 0; i < 20; ++i) tuner->Task_exec();
    ASSERT_EQ(told.count(), 1);
    EXPECT_EQ(told.at(0).at(0).toString(), "145.012.500 MHz");
}

TEST(TunerKeyTable, ImagesGiveTheirPressedBitmapsActionsAndFirings) {
    using A = TunerAction;
    using F = panels::Firing;
    struct Row {
        int index;
        int16_t pressed;
        A action;
        F firing;
        int16_t code;
    };
    const Row rows[] = {
        {2, 1322, A::ChannelDown, F::Each, 0},
        {3, 1321, A::ChannelUp, F::Each, 0},
        {4, 1303, A::BankLabelMode, F::Each, 0},
        {5, 1321, A::BankUp, F::Each, 0},
        {6, 1322, A::BankDown, F::Each, 0},
        {7, 1321, A::StepUp, F::Each, 0},
        {8, 1322, A::StepDown, F::Each, 0},
        {9, 1304, A::Tenkey, F::First, 1},
        {17, 1312, A::Tenkey, F::First, 9},
        {18, 1314, A::Tenkey, F::First, 0},
        {19, 1313, A::Tenkey, F::First, 10},
        {20, 1315, A::Tenkey, F::First, 11},
        {21, 1316, A::Mch, F::First, 0},
        {22, 1317, A::Tenkey, F::First, 12},
        {23, 1318, A::StepUp, F::Each, 0},
        {24, 1319, A::StepDown, F::Each, 0},
        {25, 1320, A::MemoryWrite, F::HoldConfirm, 0},
        {26, 1320, A::MemoryClear, F::HoldConfirm, 0},
        {39, 0, A::Dial, F::Each, 0},
    };
    for (const Row& r : rows) {
        const panels::TunerImage* image = panels::FindTunerImage(r.index);
        ASSERT_NE(image, nullptr) << r.index;
        EXPECT_EQ(image->pressedId, r.pressed) << r.index;
        EXPECT_EQ(image->action, r.action) << r.index;
        EXPECT_EQ(image->firing, r.firing) << r.index;
        if (r.action == A::Tenkey) {
            EXPECT_EQ(image->tenkeyCode, r.code) << r.index;
        }
    }
    EXPECT_EQ(panels::FindTunerImage(1), nullptr);
    EXPECT_EQ(panels::FindTunerImage(27), nullptr);
}

// The key table and the skin are drawn from two tables; they must put every key in one place.
TEST(TunerSkin, EveryKeyHotZoneHasAKeyWithItsLegendOnTheSkin) {
    const art::ArtRow* skin = art::findArtRow(panels::kTunerSkinId);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->skin, nullptr);
    for (const panels::TunerImage& key : panels::TunerImages()) {
        if (key.index > 26) continue;
        bool found = false;
        for (const art::SkinItem& item : skin->skin->items) {
            found |= item.part == art::SkinPart::Key && item.x == key.x && item.y == key.y &&
                     item.width == key.width && item.height == key.height;
        }
        EXPECT_TRUE(found) << key.legend << " at " << key.x << "," << key.y;
        EXPECT_TRUE(art::findArtRow(key.pressedId)) << key.pressedId;
    }
}

TEST_F(TunerPanelTest, ScreenshotsOffOnAndHeldAndTheHeldFacesDiffer) {
    rx->setPower(0);
    rx->setFrequency(0);
    tuner->DispAll();
    saveScreenshot(*tuner, "tuner-off");
    rx->setPower(1);
    rx->setFrequency(145500000);
    ProgramMemory().chData(0, 0).setLngFreq(145500000);
    ProgramMemory().chData(0, 0).setName1("CALLING");
    tuner->DispAll();
    saveScreenshot(*tuner, "tuner-on");
    const QImage idle = tuner->grab().toImage();
    press(*tuner, 22);
    saveScreenshot(*tuner, "tuner-ent-held");
    EXPECT_GT(
        differingPixels(idle.copy(336, 87, 31, 30), tuner->grab().toImage().copy(336, 87, 31, 30)),
        50);
    release(*tuner, 22);
    press(*tuner, 25);
    hold.advance(701);
    saveScreenshot(*tuner, "tuner-write-held", 3);
    // The write key's pressed face and its lit indicator.
    EXPECT_GT(
        differingPixels(idle.copy(469, 95, 15, 8), tuner->grab().toImage().copy(469, 95, 15, 8)),
        20);
    EXPECT_GT(differingPixels(idle.copy(468, 104, 12, 11),
                              tuner->grab().toImage().copy(468, 104, 12, 11)),
              20);
    release(*tuner, 25);
}

}  // namespace
}  // namespace corvell::test
