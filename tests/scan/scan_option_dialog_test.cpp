// The scan options dialog as a user drives it: every option reaches the scan controller or the
// scope settings at once, the "DATA" keys are read and written, the tab is remembered, the
// dialog stays on the screen, and "All Clear" clears the chosen bank and marks the memory
// changed. Screenshots of every tab.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "core/ProgramObjects.h"
#include "core/clsProfileIO.h"
#include "core/clsScopeSTAT.h"
#include "scan/DlgScanOption.h"
#include "scan/ScanChannelSheet.h"
#include "tests/scan/ScanWindowFixture.h"
#include "tests/support/artifacts.h"
#include "ui/SheetView.h"

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
    EXPECT_EQ(dlg->pchSheet().storedWidth(1), 0);  // missing first key: none saved, fitted
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

// What a sheet shows whole and how its columns meet the grid's right edge.
struct SheetFit {
    bool textsWhole = true;  // every title and cell text of the columns from the name up to the
                             // remark (free text, which takes what room is left) fits
    bool floorKept = true;   // no data column below 800 twips
    int columnsWidth = 0;    // all the columns together, pixels
    int roomWidth = 0;       // the grid's viewport
    bool scrollsSideways = false;
};

SheetFit fitOf(ui::SheetView& grid) {
    QTest::qWait(0);  // the view lays itself out
    SheetFit fit;
    const QAbstractItemModel& m = *grid.model();
    const QFontMetrics titles(grid.horizontalHeader()->font());
    for (int c = 0; c < m.columnCount(); ++c) {
        const int width = grid.columnWidth(c);
        fit.columnsWidth += width;
        if (c == 0) continue;
        if (grid.ColWidthTwips(c) < 800) fit.floorKept = false;
        if (c == m.columnCount() - 1) continue;
        const QString title = m.headerData(c, Qt::Horizontal).toString();
        const QAbstractItemView& view = grid;
        if (titles.horizontalAdvance(title) >= width || view.sizeHintForColumn(c) > width) {
            ADD_FAILURE() << "column " << c << " (" << title.toStdString() << ") " << width
                          << " px cuts its texts, needs " << view.sizeHintForColumn(c);
            fit.textsWhole = false;
        }
    }
    fit.roomWidth = grid.viewport()->width();
    fit.scrollsSideways = grid.horizontalScrollBar()->isVisible();
    return fit;
}

// A fresh settings file: the sheets' columns fit their titles and their widest usual texts
// (the blank text and a full name, the highest frequencies, the steps), never below 800
// twips, and the remark takes the rest, so the columns end at the grid's right edge. Saved
// widths still win, raised to the floor.
TEST_F(ScanOptions, FreshSheetsFitTheirTextsAndFillTheGrid) {
    setRow(1, 1299999990, 1300000000, "WFM", "230k", "12.5kHz", 1);
    scan.pchData(1).setName1("Coastguard North");
    scan.pchData(1).setName2("night watch");
    setRow(3, 10000, 30000000, "LSB", "6k", "6.25kHz");
    open();
    EXPECT_EQ(dlg->pchSheet().grid().model()->index(1, 1).data().toString(), " -- BLANK --");
    const struct {
        int tab;
        ScanChannelSheet& sheet;
        const char* picture;
    } sheets[] = {{1, dlg->pchSheet(), "scanoption-program-sheet-"},
                  {6, dlg->achSheet(), "scanoption-automode-sheet-"}};
    for (const auto& s : sheets) {
        dlg->SelectTab(s.tab);
        const SheetFit fit = fitOf(s.sheet.grid());
        EXPECT_TRUE(fit.textsWhole) << s.picture;
        EXPECT_TRUE(fit.floorKept) << s.picture;
        EXPECT_EQ(fit.columnsWidth, fit.roomWidth) << s.picture;
        EXPECT_FALSE(fit.scrollsSideways) << s.picture;
        EXPECT_TRUE(test::saveScreenshot(*dlg, s.picture + test::scalePercent()));
    }

    // Widths the user left: 300 twips is raised to the floor, the others are kept, the remark's
    // too (narrower than the room) and the name's (narrower than its texts).
    dlg.reset();
    setKey("PCHSHEETCOLWIDTH1", 600);
    setKey("PCHSHEETCOLWIDTH2", 300);
    setKey("PCHSHEETCOLWIDTH3", 1200);  // and on to every later key
    open();
    const ui::SheetView& grid = dlg->pchSheet().grid();
    EXPECT_EQ(grid.columnWidth(1), 54);  // 800 twips, whole pixels up
    EXPECT_EQ(grid.columnWidth(2), 54);
    for (int c = 3; c <= 8; ++c) EXPECT_EQ(grid.columnWidth(c), 80) << c;
    EXPECT_EQ(dlg->achSheet().grid().columnWidth(7), 80);
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
