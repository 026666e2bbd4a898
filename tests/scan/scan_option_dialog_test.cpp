// The scan options dialog as a user drives it: every option reaches the scan controller or the
// scope settings at once, the "DATA" keys are read and written, the tab is remembered, the
// dialog stays on the screen, and "All Clear" clears the chosen bank and marks the memory
// changed. Screenshots of every tab.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "core/ProgramObjects.h"
#include "core/clsProfileIO.h"
#include "core/clsScopeSTAT.h"
#include "scan/DlgScanOption.h"
#include "scan/ScanChannelSheet.h"
#include "tests/scan/ScanWindowFixture.h"
#include "tests/support/artifacts.h"

namespace corvell {
namespace {

class ScanOptions : public ScanWindowTest {
  protected:
    void open() {
        dlg = std::make_unique<DlgScanOption>(rx, scan, memory);
        dlg->Init();
        dlg->show();
    }
    static void setKey(const char* key, int32_t value) {
        clsProfileIO& p = ProgramProfile();
        p.setSection("DATA");
        p.saveData(key, value);
    }
    static int32_t key(const char* name) {
        clsProfileIO& p = ProgramProfile();
        p.setSection("DATA");
        int32_t v = -12345;
        p.loadData(name, v);
        return v;
    }

    std::unique_ptr<DlgScanOption> dlg;
};

TEST_F(ScanOptions, AFreshSettingsFileOpensAtTheCornerOnTheFirstTab) {
    open();
    EXPECT_EQ(dlg->pos(), QPoint(0, 0));
    EXPECT_EQ(dlg->SelectedTab(), 1);
    EXPECT_TRUE(dlg->frame(1).isVisible());
    EXPECT_FALSE(dlg->frame(2).isVisible());
    EXPECT_EQ(dlg->windowTitle(), "Setting");
}

TEST_F(ScanOptions, EveryOptionReachesItsOwnerAtOnce) {
    open();
    dlg->SelectTab(4);
    dlg->delayTiming(1).click();
    EXPECT_EQ(scan.delaytype(), 1);
    dlg->delayTiming(2).click();
    EXPECT_EQ(scan.delaytype(), 2);
    dlg->restartDelay(0).click();
    EXPECT_EQ(scan.restartdelay(), 0);
    dlg->SelectTab(5);
    dlg->stepLimit(2).click();
    EXPECT_EQ(rx.ScopeSTAT().TsLimit(), 2);
    dlg->tsHalf().click();
    EXPECT_EQ(rx.ScopeSTAT().TsHalf(), 1);
    const int16_t wfm = rx.ScopeSTAT().WFMmoni();
    dlg->wfmMoni().click();
    EXPECT_EQ(rx.ScopeSTAT().WFMmoni(), wfm == 0 ? 1 : 0);
    dlg->SelectTab(3);
    dlg->memoOption(0).click();
    EXPECT_EQ(scan.memotag(), 1);
    dlg->memoOption(1).click();
    EXPECT_EQ(scan.memoskip(), 1);
    // MODE SEL enables the six mode boxes and reaches the controller.
    EXPECT_FALSE(dlg->modeSel(0).isEnabled());
    dlg->memoOption(2).click();
    EXPECT_EQ(scan.memomode(), 1);
    EXPECT_TRUE(dlg->modeSel(5).isEnabled());
    ASSERT_EQ(scan.memomodedata(), 63);
    dlg->modeSel(5).click();  // WideFM off
    EXPECT_EQ(scan.memomodedata(), 31);
    dlg->memoOption(2).click();
    EXPECT_EQ(scan.memomode(), 0);
    EXPECT_FALSE(dlg->modeSel(0).isEnabled());
}

TEST_F(ScanOptions, TheBankListShowsBankNumbersFromZero) {
    open();
    EXPECT_EQ(scan.autobank(), 20);
    EXPECT_EQ(dlg->autoBank().currentText(), "19");
    dlg->SelectTab(2);
    dlg->autoBank().setCurrentIndex(0);
    emit dlg->autoBank().activated(0);
    EXPECT_EQ(scan.autobank(), 1);
}

TEST_F(ScanOptions, PositionTabAndWidthsAreSavedAndRead) {
    setKey("DLGSCANX", 1500);
    setKey("DLGSCANY", 750);
    setKey("DLGSCANCURRTAB", 5);
    setKey("PCHSHEETCOLWIDTH2", 300);   // raised to 800
    setKey("PCHSHEETCOLWIDTH3", 1600);  // keys 4.. take this one
    open();
    EXPECT_EQ(dlg->pos(), QPoint(100, 50));
    EXPECT_EQ(dlg->SelectedTab(), 5);
    EXPECT_TRUE(dlg->frame(5).isVisible());
    EXPECT_EQ(dlg->pchSheet().storedWidth(1), 800);  // missing first key: 0, raised
    EXPECT_EQ(dlg->pchSheet().storedWidth(2), 800);
    EXPECT_EQ(dlg->pchSheet().storedWidth(6), 1600);
    EXPECT_EQ(dlg->achSheet().storedWidth(1), 1600);  // the chain runs on into the ACH keys

    dlg->move(30, 20);
    dlg->SelectTab(3);
    dlg->saveData();
    EXPECT_EQ(key("DLGSCANX"), 450);
    EXPECT_EQ(key("DLGSCANY"), 300);
    EXPECT_EQ(key("DLGSCANCURRTAB"), 3);
    // Widths come back from the grid in whole pixels (15 twips).
    EXPECT_NEAR(key("PCHSHEETCOLWIDTH2"), 800, 15);
    EXPECT_NEAR(key("PCHSHEETCOLWIDTH8"), 1600, 15);
    EXPECT_NEAR(key("ACHSHEETCOLWIDTH7"), 1600, 15);
    EXPECT_EQ(key("ACHSHEETCOLWIDTH8"), -12345);  // the automatic-mode sheet has 8 columns
}

TEST_F(ScanOptions, ATabNumberOutsideTheStripLeavesTheTabAlone) {
    setKey("DLGSCANCURRTAB", 9);
    open();
    EXPECT_EQ(dlg->SelectedTab(), 1);
    EXPECT_TRUE(dlg->frame(1).isVisible());
}

TEST_F(ScanOptions, ASavedPositionOffTheScreenIsBroughtBack) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QPoint twips :
         {QPoint(15 * (screen.width() + 500), 0), QPoint(0, -150000), QPoint(-150000, 15 * 40)}) {
        setKey("DLGSCANX", twips.x());
        setKey("DLGSCANY", twips.y());
        open();
        EXPECT_EQ(dlg->pos(), QPoint(0, 0)) << twips.x() << " " << twips.y();
    }
}

TEST_F(ScanOptions, CloseBoxAndCloseButtonOnlyHide) {
    open();
    dlg->SelectTab(4);
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
    dlg->ToggleShown();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->SelectedTab(), 4);
    dlg->ToggleShown();
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(ScanOptions, TheProgramsUnloadSavesPositionAndTab) {
    open();
    dlg->move(45, 30);
    dlg->SelectTab(6);
    EXPECT_TRUE(dlg->Unload(ui::UnloadMode::CodeClose));
    EXPECT_EQ(key("DLGSCANX"), 675);
    EXPECT_EQ(key("DLGSCANY"), 450);
    EXPECT_EQ(key("DLGSCANCURRTAB"), 6);
}

TEST_F(ScanOptions, AllClearClearsTheChosenBankAndMarksTheMemoryChanged) {
    setChannel(5, 0, 145000000);
    setChannel(5, 49, 146000000);
    setChannel(0, 0, 147000000);
    open();
    dlg->autoBank().setCurrentIndex(5);
    presenter.answerNext(platform::MessageResult::Cancel);
    dlg->allClear().click();
    EXPECT_FALSE(memory.chk_blank(5, 0));
    presenter.answerNext(platform::MessageResult::Ok);
    dlg->allClear().click();
    ASSERT_EQ(presenter.shown().size(), 2u);
    EXPECT_EQ(presenter.shown()[1].text, "1BANK All Clear, Sure?");
    EXPECT_EQ(presenter.shown()[1].title, "Corvell");
    EXPECT_EQ(memory.ActiveBank(), 5);
    EXPECT_TRUE(memory.chk_blank(5, 0));
    EXPECT_TRUE(memory.chk_blank(5, 49));
    EXPECT_FALSE(memory.chk_blank(0, 0));
    EXPECT_TRUE(memory.MemoryChanged());
}

TEST_F(ScanOptions, AllClearWithNoBankChosenClearsNothing) {
    setChannel(0, 0, 147000000);
    open();
    dlg->autoBank().setCurrentIndex(-1);
    presenter.answerNext(platform::MessageResult::Ok);
    dlg->allClear().click();
    EXPECT_FALSE(memory.chk_blank(0, 0));
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(ScanOptions, ScreenshotsOfEveryTab) {
    setRow(1, 145000000, 146000000);
    setRow(3, 433000000, 434790000, "FM", "15k", "25kHz", 1);
    open();
    for (int t = 1; t <= DlgScanOption::kTabs; ++t) {
        dlg->SelectTab(t);
        EXPECT_TRUE(dlg->frame(t).isVisible());
        EXPECT_TRUE(test::saveScreenshot(*dlg, QString("scanoption-tab%1").arg(t)));
    }
}

}  // namespace
}  // namespace corvell
