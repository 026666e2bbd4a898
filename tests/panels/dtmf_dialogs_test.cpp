// The DTMF option dialog and message pop-up offscreen: the dialog's place and tab from section
// "DATA", every keystroke and click written into the entry of the selected tab, a type that
// names no action selecting no button and kept, the browse button, the close turned into hiding;
// the pop-up's plain text, its time-out on the 31st second and its fresh load; with screenshots.
#include <gmock/gmock.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include "core/clsDtmfOption.h"
#include "panels/dtmf/dlgDTMFmessage.h"
#include "panels/dtmf/dlgDTMFoption.h"
#include "tests/panels/PanelFixture.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "ui/FileDialogs.h"
#include "ui/Labels.h"

namespace corvell::test {
namespace {

using panels::dlgDTMFmessage;
using panels::dlgDTMFoption;
using ::testing::HasSubstr;

class DtmfOptionDialogTest : public RxTest {
  protected:
    DtmfOptionDialogTest() { load(); }
    clsDtmfOption& option() { return rx->DtmfOption(); }
    void entry(int n, const std::string& code, int16_t type, const std::string& text) {
        option().SetRecieveCode(n, code);
        option().SetActionType(n, type);
        option().SetActionFile(n, text);
    }
    std::unique_ptr<dlgDTMFoption> open() {
        auto d = std::make_unique<dlgDTMFoption>(option());
        d->Init();
        d->show();
        return d;
    }
    // A click on the button's round mark, as a user aims it.
    static void clickType(dlgDTMFoption& d, int i) {
        QRadioButton* b = d.optDTMFtype(i);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    int checkedType(const dlgDTMFoption& d) const {
        for (int i = 0; i < 3; ++i) {
            if (d.optDTMFtype(i)->isChecked()) return i;
        }
        return -1;
    }
};

TEST_F(DtmfOptionDialogTest, ItOpensWhereItWasLeftOnTheTabLastShown) {
    home.write("Corvell.ini", "[DATA]\r\nDLGDTMFX=1500\r\nDLGDTMFY=3000\r\nDLGDTMFCURRTAB=4\r\n");
    platform::clearProfileCache();
    entry(4, "*1#", 2, "/home/user/bell.wav");
    auto d = open();
    EXPECT_EQ(d->Caption(), "DTMF Setting");
    EXPECT_EQ(d->pos(), QPoint(100, 200));
    EXPECT_EQ(d->selectedEntry(), 4);
    EXPECT_EQ(d->txtDTMFrecieve()->text(), "*1#");
    EXPECT_EQ(checkedType(*d), 2);
    EXPECT_EQ(d->txtDTMFfile()->text(), "/home/user/bell.wav");
}

TEST_F(DtmfOptionDialogTest, WithoutSavedKeysItOpensAtTheCornerOnTheFirstTab) {
    home.write("Corvell.ini", "[DATA]\r\nDLGDTMFCURRTAB=9\r\n");  // no such tab: kept as it is
    platform::clearProfileCache();
    entry(1, "55", 1, "x");
    auto d = open();
    EXPECT_EQ(d->pos(), QPoint(0, 0));
    EXPECT_EQ(d->selectedEntry(), 1);
    EXPECT_EQ(d->txtDTMFrecieve()->text(), "55");
}

TEST_F(DtmfOptionDialogTest, EveryEditGoesIntoTheEntryOfTheSelectedTabAtOnce) {
    auto d = open();
    d->tbsDtmfOption()->setCurrentIndex(3);
    QTest::keyClicks(d->txtDTMFrecieve(), "12#");
    EXPECT_EQ(option().GetRecieveCode(4), "12#");
    clickType(*d, 1);
    EXPECT_EQ(option().GetActionType(4), 1);
    EXPECT_EQ(checkedType(*d), 1);
    QTest::keyClicks(d->txtDTMFfile(), "run, now.sh");
    EXPECT_EQ(option().GetActionFile(4), "run, now.sh");
    // Back to tab 1, which shows its own (blank) entry; entry 4 is untouched by the switch.
    d->tbsDtmfOption()->setCurrentIndex(0);
    EXPECT_EQ(d->txtDTMFrecieve()->text(), "");
    EXPECT_EQ(checkedType(*d), 0);
    EXPECT_EQ(option().GetRecieveCode(4), "12#");
    EXPECT_EQ(option().GetRecieveCode(1), "");
    EXPECT_EQ(option().GetRecieveCode(0), "");  // entry 0 has no tab
}

// A code with a comma once saved as REMOTE1="1,1,0,hello" and read back as another entry.
TEST_F(DtmfOptionDialogTest, TheCodeBoxTakesOnlyWhatADecoderCanReceive) {
    auto d = open();
    QTest::keyClicks(d->txtDTMFrecieve(), "1,1");
    EXPECT_EQ(d->txtDTMFrecieve()->text(), "11");
    clickType(*d, 0);
    QTest::keyClicks(d->txtDTMFfile(), "hello");
    option().remo_param_save();
    platform::clearProfileCache();
    clsDtmfOption again;
    again.remo_param_load();
    EXPECT_EQ(again.GetRecieveCode(1), "11");
    EXPECT_EQ(again.GetActionType(1), 0);
    EXPECT_EQ(again.GetActionFile(1), "hello");

    d->txtDTMFrecieve()->clear();
    QTest::keyClicks(d->txtDTMFrecieve(), "0-9 a*b#cdx E");
    EXPECT_EQ(d->txtDTMFrecieve()->text(), "09A*B#CD");
    EXPECT_EQ(option().GetRecieveCode(1), "09A*B#CD");
}

TEST_F(DtmfOptionDialogTest, ATypeThatNamesNoActionSelectsNoButtonAndIsKept) {
    entry(2, "9", 7, "odd");
    auto d = open();
    d->tbsDtmfOption()->setCurrentIndex(1);
    EXPECT_EQ(checkedType(*d), -1);
    QTest::keyClicks(d->txtDTMFrecieve(), "9");
    EXPECT_EQ(option().GetRecieveCode(2), "99");
    EXPECT_EQ(option().GetActionType(2), 7);
    clickType(*d, 0);
    EXPECT_EQ(option().GetActionType(2), 0);
    clickType(*d, 2);
    EXPECT_EQ(checkedType(*d), 2);
    EXPECT_FALSE(d->optDTMFtype(0)->isChecked());
}

TEST_F(DtmfOptionDialogTest, ShownAgainItShowsTheEntryAsTheRecordHoldsItNow) {
    auto d = open();
    d->hide();
    entry(1, "77", 2, "read from the file later");  // as a later load of the settings does
    d->show();
    EXPECT_EQ(d->txtDTMFrecieve()->text(), "77");
    EXPECT_EQ(checkedType(*d), 2);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(d.get(), &deactivate);  // leaving stores what it shows
    EXPECT_EQ(option().GetActionFile(1), "read from the file later");
}

TEST_F(DtmfOptionDialogTest, BrowseFillsTheTextAndACancelLeavesIt) {
    ScriptedFileDialogs files;
    files.answerNext(QStringLiteral("/opt/tools/alarm.sh"));
    files.answerNext(std::nullopt);
    auto d = open();
    QTest::mouseClick(d->cmdDTMFref(), Qt::LeftButton);
    EXPECT_EQ(d->txtDTMFfile()->text(), "/opt/tools/alarm.sh");
    EXPECT_EQ(option().GetActionFile(1), "/opt/tools/alarm.sh");
    QTest::mouseClick(d->cmdDTMFref(), Qt::LeftButton);
    EXPECT_EQ(option().GetActionFile(1), "/opt/tools/alarm.sh");
    ASSERT_EQ(files.shown().size(), 2u);
    const ui::FileDialogRequest& r = files.shown()[0].request;
    EXPECT_FALSE(files.shown()[0].save);
    EXPECT_TRUE(r.defaultExtension.isEmpty());  // a program's name has no extension to add
    EXPECT_TRUE(r.fileMustExist);
}

// What each filter of the browse dialog lets a user pick, matched as strictly as any file dialog
// does (case and all): programs are any file, sounds are wave files in any case.
TEST_F(DtmfOptionDialogTest, BrowseOffersAnyProgramFirstAndWaveFilesInAnyCase) {
    ScriptedFileDialogs files;
    files.answerNext(std::nullopt);
    auto d = open();
    QTest::mouseClick(d->cmdDTMFref(), Qt::LeftButton);
    ASSERT_EQ(files.shown().size(), 1u);
    const QStringList filters = ui::qtNameFilters(files.shown()[0].request.filter);
    ASSERT_EQ(filters.size(), 2);
    auto picks = [](const QString& filter, const QString& name) {
        const QString patterns = filter.section('(', -1).chopped(1);
        for (const QString& pattern : patterns.split(' ', Qt::SkipEmptyParts)) {
            const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
            if (re.match(name).hasMatch()) return true;
        }
        return false;
    };
    for (const char* program : {"open-the-gate", "run.sh", "notes.txt", "OLD.EXE"}) {
        EXPECT_TRUE(picks(filters[0], program)) << program;
    }
    for (const char* sound : {"bell.wav", "BELL.WAV", "Bell.Wav"}) {
        EXPECT_TRUE(picks(filters[1], sound)) << sound;
    }
    for (const char* other : {"bell.mp3", "wav", "bell.wave"}) {
        EXPECT_FALSE(picks(filters[1], other)) << other;
    }
}

TEST_F(DtmfOptionDialogTest, AUserCloseHidesAndTheProgramsCloseSavesThePlace) {
    auto d = open();
    d->move(40, 60);
    d->tbsDtmfOption()->setCurrentIndex(2);
    EXPECT_FALSE(d->close());
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(d->isLoaded());
    d->show();
    QTest::mouseClick(d->cmdOK(), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(d->Unload(ui::UnloadMode::AppEnding));
    EXPECT_THAT(ini(), HasSubstr("DLGDTMFX=600"));
    EXPECT_THAT(ini(), HasSubstr("DLGDTMFY=900"));
    EXPECT_THAT(ini(), HasSubstr("DLGDTMFCURRTAB=3"));
}

TEST_F(DtmfOptionDialogTest, Screenshot) {
    entry(1, "123#", 1, "/home/user/bin/open-the-gate.sh");
    auto d = open();
    saveScreenshot(*d, "dtmf-option");
}

class DtmfMessageTest : public ::testing::Test {
  protected:
    DtmfMessageTest() {
        message.Load();
        message.show();
    }
    dlgDTMFmessage message;
};

TEST_F(DtmfMessageTest, TheTextIsPlainAndThePictureIsShown) {
    message.messagedisp("<a href=\"x\">Net</a> at 20:00 & <b>bring</b> the log");
    EXPECT_EQ(message.Caption(), "Corvell DTMF Decode Message");
    EXPECT_EQ(message.lblDTMFmessage()->textFormat(), Qt::PlainText);
    EXPECT_EQ(message.lblDTMFmessage()->text(),
              "<a href=\"x\">Net</a> at 20:00 & <b>bring</b> the log");
    EXPECT_EQ(message.Image1()->size(), QSize(82, 59));
    EXPECT_FALSE(message.Image1()->pixmap().isNull());
    saveScreenshot(message, "dtmf-message");
}

TEST_F(DtmfMessageTest, ItClosesOnThe31stSecondAndANewMessageStartsTheCountAgain) {
    EXPECT_TRUE(message.timerRunning());
    for (int s = 0; s < 20; ++s) message.Timer1_Timer();
    message.messagedisp("again");
    for (int s = 0; s < 30; ++s) message.Timer1_Timer();
    EXPECT_TRUE(message.isVisible());
    message.Timer1_Timer();
    EXPECT_FALSE(message.isVisible());
    EXPECT_FALSE(message.isLoaded());
    EXPECT_FALSE(message.timerRunning());
}

TEST_F(DtmfMessageTest, OkClosesItAndItLoadsAnewCentredOnTheScreen) {
    message.move(0, 0);
    QTest::mouseClick(message.cmdOk(), Qt::LeftButton);
    EXPECT_FALSE(message.isLoaded());
    message.Load();
    message.show();
    const QRect screen = message.screen()->geometry();
    const QRect frame = message.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
    EXPECT_TRUE(message.timerRunning());
    EXPECT_EQ(message.count(), 0);
}

}  // namespace
}  // namespace corvell::test
