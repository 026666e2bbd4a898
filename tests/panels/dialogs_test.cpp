// The tone-squelch and AF output dialogs: when the tone list may be used, the remembered tone
// and its round trip through Corvell.ini, and the AF output choices bound to the settings, sent
// at once and kept in Corvell.ini; any close un-mutes.
#include <gmock/gmock.h>

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/ToneList.h"
#include "panels/dialogs/DlgAFOption.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "tests/panels/PanelFixture.h"

namespace corvell::test {
namespace {

using panels::CtcssToneLogic;
using panels::DlgAFOption;
using panels::DlgCtcssOption;

TEST(CtcssTone, TheListIsUsableOnlyInFmOnATunedReceiver) {
    struct Case {
        int16_t blank;
        int32_t mode;
        bool enabled;
    };
    for (const Case& c : {Case{0, 5, true}, Case{1, 5, false}, Case{0, 2, false}, Case{0, 6, false},
                          Case{1, 2, false}}) {
        EXPECT_EQ(CtcssToneLogic::ListEnabled(c.blank, c.mode), c.enabled)
            << c.blank << " " << c.mode;
    }
}

class CtcssDialogTest : public PanelTest {
  protected:
    CtcssDialogTest() {
        rx->setFrequency(145000000);
        rx->setModeText("FM");
    }
    std::unique_ptr<DlgCtcssOption> open() {
        auto dlg = std::make_unique<DlgCtcssOption>(*rx, ProgramProfile());
        dlg->Load();
        return dlg;
    }
};

TEST_F(CtcssDialogTest, AFirstStartRemembersTone1AndListsAll52Entries) {
    auto dlg = open();
    EXPECT_EQ(dlg->logic().rememberedTone(), 1);
    ASSERT_EQ(dlg->cmbTONE()->count(), 52);
    EXPECT_EQ(dlg->cmbTONE()->itemText(0), "  OFF   ");
    EXPECT_EQ(dlg->cmbTONE()->itemText(1), "  67.0Hz");
    EXPECT_EQ(dlg->cmbTONE()->itemText(51), " 254.1Hz");
    EXPECT_EQ(dlg->Caption(), "TONE SQUELCH");
}

TEST_F(CtcssDialogTest, OffAndOnAgainRestoresTheToneInUseAndItSurvivesARestart) {
    auto dlg = open();
    dlg->DispOn();
    rx->setCtcss(12);
    dlg->Task_exec();
    EXPECT_EQ(dlg->cmbTONE()->currentIndex(), 12);
    dlg->ctcss_off();
    EXPECT_EQ(rx->ctcss(), 0);
    dlg->Task_exec();
    dlg->ctcss_on();
    EXPECT_EQ(rx->ctcss(), 12);
    // Picking OFF switches the squelch off but keeps the remembered tone.
    dlg->cmbTONE()->setCurrentIndex(0);
    emit dlg->cmbTONE()->activated(0);
    EXPECT_EQ(rx->ctcss(), 0);
    dlg->Task_exec();
    EXPECT_EQ(dlg->logic().rememberedTone(), 12);
    dlg->DispOff();
    EXPECT_FALSE(dlg->isVisible());
    dlg->Unload();
    dlg.reset();
    EXPECT_THAT(ini(), ::testing::HasSubstr("[DLGTONE]"));
    EXPECT_THAT(ini(), ::testing::HasSubstr("TONEBUFF=12"));
    restart();
    load();
    auto again = std::make_unique<DlgCtcssOption>(*rx, ProgramProfile());
    again->Load();
    EXPECT_EQ(again->logic().rememberedTone(), 12);
}

TEST_F(CtcssDialogTest, AnOutOfRangeRememberedToneIsClamped) {
    for (const auto& [text, tone] :
         {std::pair{"99999", 51}, std::pair{"-4", 1}, std::pair{"x", 1}, std::pair{"51", 51}}) {
        home.write("Corvell.ini", std::string("[DLGTONE]\nTONEBUFF=") + text + "\n");
        platform::clearProfileCache();
        auto dlg = open();
        EXPECT_EQ(dlg->logic().rememberedTone(), tone) << text;
    }
}

TEST_F(CtcssDialogTest, InAmTheListIsDisabledButFollowsTheTone) {
    auto dlg = open();
    dlg->DispOn();
    rx->setModeText("AM");
    rx->setCtcss(5);
    dlg->Task_exec();
    EXPECT_FALSE(dlg->cmbTONE()->isEnabled());
    EXPECT_EQ(dlg->cmbTONE()->currentIndex(), 5);
    EXPECT_TRUE(dlg->check());  // visible outside FM
    rx->setModeText("FM");
    dlg->Task_exec();
    EXPECT_TRUE(dlg->cmbTONE()->isEnabled());
    QTest::mouseClick(dlg->cmdOk(), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(dlg->check());  // FM with a tone set
}

class AfOptionTest : public PanelTest {};

TEST_F(AfOptionTest, ChoicesShowTheSettingsAreSentAtOnceAndAnyCloseUnmutes) {
    ProgramSettings().Plug = 1;
    ProgramSettings().OutLevel = 0;
    rx->setAfmute(1);
    auto dlg = std::make_unique<DlgAFOption>(*rx, ProgramSettings());
    dlg->Load();
    dlg->show();
    EXPECT_TRUE(dlg->OptPlug(1)->isChecked());
    EXPECT_TRUE(dlg->OptOutLevel(0)->isChecked());
    rs.clear();
    QTest::mouseClick(dlg->OptOutLevel(1), Qt::LeftButton);
    EXPECT_EQ(ProgramSettings().OutLevel, 1);
    EXPECT_EQ(rs.callsTo("RsSetExtOutLevel").size(), 1u);
    QTest::mouseClick(dlg->OptPlug(0), Qt::LeftButton);
    EXPECT_EQ(ProgramSettings().Plug, 0);
    EXPECT_EQ(rs.count("RsSetExtPlug"), 1);
    EXPECT_TRUE(dlg->close());  // the close box
    EXPECT_EQ(rx->afmute(), 0);
}

TEST_F(AfOptionTest, OkUnmutesEvenWhenNothingChangedAndTheChoicesSurviveARestart) {
    rx->setAfmute(1);
    auto dlg = std::make_unique<DlgAFOption>(*rx, ProgramSettings());
    dlg->Load();
    dlg->show();
    QTest::mouseClick(dlg->OptPlug(1), Qt::LeftButton);
    QTest::mouseClick(dlg->OptOutLevel(1), Qt::LeftButton);
    QTest::mouseClick(dlg->cmdOk(), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(rx->afmute(), 0);
    ProgramSettings().Init(&ProgramProfile());
    ASSERT_TRUE(ProgramSettings().saveData(&ProgramProfile()));
    EXPECT_THAT(ini(), ::testing::HasSubstr("PLUG=1"));
    EXPECT_THAT(ini(), ::testing::HasSubstr("OUTLEVEL=1"));
    restart();
    load();
    ProgramSettings().loadData(&ProgramProfile());
    EXPECT_EQ(ProgramSettings().Plug, 1);
    EXPECT_EQ(ProgramSettings().OutLevel, 1);
    DlgAFOption again(*rx, ProgramSettings());
    again.Load();
    EXPECT_TRUE(again.OptPlug(1)->isChecked());
    EXPECT_TRUE(again.OptOutLevel(1)->isChecked());
}

}  // namespace
}  // namespace corvell::test
