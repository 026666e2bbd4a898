// The two channel sheets of the scan options dialog, edited as a user does: a cell chosen, a
// key or Enter opens its editor, Enter stores. The START/END rules (10 Hz cut, 0 blanks the
// row, out-of-band and unreadable texts change nothing), filling a new row from the receiver,
// the lists, Delete, the program number, and the rows surviving a restart.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "core/TextProcs.h"
#include "core/clsAUTOMODE.h"
#include "core/clsMchDATA.h"
#include "scan/DlgScanOption.h"
#include "scan/ScanChannelSheet.h"
#include "tests/scan/ScanWindowFixture.h"
#include "tests/support/artifacts.h"
#include "ui/CellEditors.h"
#include "ui/SheetView.h"

namespace corvell {
namespace {

class ScanSheets : public ScanWindowTest {
  protected:
    ScanSheets() {
        setRow(2, 145000000, 146000000);
        scan.pchData(2).setName1("AIR");
        rx.setFrequency(433920000);
        rx.setModeText("FM");
        dlg.Init();
        dlg.show();
        dlg.activateWindow();
    }
    ScanChannelSheet& pch() { return dlg.pchSheet(); }
    ScanChannelSheet& ach() { return dlg.achSheet(); }
    void choose(ScanChannelSheet& s, int row, int column) {
        dlg.SelectTab(&s == &ach() ? 6 : 1);
        s.grid().setFocus();
        s.grid().setCurrentCell(row - 1, column);
    }
    // Types `first` on the cell (Enter when empty), then replaces the box's text and hits Enter.
    void typeInto(ScanChannelSheet& s, int row, int column, const QString& text) {
        choose(s, row, column);
        QTest::keyClick(&s.grid(), Qt::Key_Return);
        ASSERT_TRUE(s.editors().TextOpen()) << "row " << row << " column " << column;
        s.editors().textBox().setText(text);
        QTest::keyClick(&s.editors().textBox(), Qt::Key_Return);
    }
    QString cell(ScanChannelSheet& s, int row, int column) {
        return s.grid().model()->index(row - 1, column).data().toString();
    }

    DlgScanOption dlg{rx, scan, memory};
};

TEST_F(ScanSheets, StartTextRules) {
    struct Case {
        const char* text;
        int32_t low;  // expected low edge of row 2 afterwards
    };
    const Case cases[] = {
        {"145.123456", 145123450},  // the last 6 Hz are cut off
        {"145.1234567", 145123450},
        {"1400", 145000000},  // outside every band
        {"3000", 145000000},  // beyond 32 bits in Hz
        {"", 145000000},      // empty: the row stays
        {"abc", 145000000},   // no number: the row stays
        {"0", 0},             // blank
    };
    for (const Case& c : cases) {
        setRow(2, 145000000, 146000000);
        pch().Update();
        typeInto(pch(), 2, 2, c.text);
        EXPECT_EQ(scan.pchData(2).lngFreq(), c.low) << '"' << c.text << '"';
        EXPECT_FALSE(pch().editorOpen());
    }
    EXPECT_EQ(cell(pch(), 2, 1), " -- BLANK --");
    EXPECT_EQ(cell(pch(), 2, 2), "");
}

TEST_F(ScanSheets, EndAndTheFrequencyCellText) {
    typeInto(pch(), 2, 3, "146.5");
    EXPECT_EQ(scan.pchData(2).lngFreqHigh(), 146500000);
    EXPECT_EQ(cell(pch(), 2, 3), "146.500000");
    typeInto(pch(), 2, 3, "0");
    EXPECT_EQ(scan.pchData(2).lngFreqHigh(), 0);
    EXPECT_NE(scan.pchData(2).lngFreq(), 0);
}

TEST_F(ScanSheets, ANameInABlankRowTakesTheReceiversSettings) {
    typeInto(pch(), 5, 1, "ISM,433");
    const clsMchDATA& r = scan.pchData(5);
    EXPECT_EQ(r.lngFreq(), 433920000);
    EXPECT_EQ(r.lngFreqHigh(), 433920000);
    EXPECT_EQ(r.ModeText().substr(0, 2), "FM");
    EXPECT_EQ(cell(pch(), 5, 1), "ISM_433");
    // A START in a blank row names it "NONAME".
    typeInto(pch(), 6, 2, "145.5");
    EXPECT_EQ(cell(pch(), 6, 1), "NONAME");
    EXPECT_EQ(scan.pchData(6).lngFreq(), 145500000);
    // With the receiver blank the row stays blank.
    rx.setBlank(1);
    typeInto(pch(), 7, 1, "X");
    EXPECT_EQ(scan.pchData(7).lngFreq(), 0);
    EXPECT_EQ(cell(pch(), 7, 1), " -- BLANK --");
}

TEST_F(ScanSheets, ListsStoreTheirChoice) {
    choose(pch(), 2, 7);
    QTest::keyClick(&pch().grid(), Qt::Key_Return);
    ASSERT_TRUE(pch().editors().ListOpen());
    pch().editors().list().setCurrentRow(0);  // "ON"
    QTest::keyClick(&pch().editors().list(), Qt::Key_Return);
    EXPECT_EQ(scan.pchData(2).intAtt(), 1);
    EXPECT_EQ(cell(pch(), 2, 7), " ON");
    choose(pch(), 2, 4);
    QTest::keyClick(&pch().grid(), Qt::Key_Return);
    ASSERT_TRUE(pch().editors().ListOpen());
    pch().editors().list().setCurrentRow(2);  // "AM"
    QTest::keyClick(&pch().editors().list(), Qt::Key_Space);
    EXPECT_EQ(cell(pch(), 2, 4), "AM");
    // Enter on the mode cell of a blank row opens nothing.
    choose(pch(), 9, 4);
    QTest::keyClick(&pch().grid(), Qt::Key_Return);
    EXPECT_FALSE(pch().editorOpen());
}

TEST_F(ScanSheets, TheStepCellTakesOnlyNamesTheStepObjectAccepts) {
    const std::string before = scan.pchData(2).tsname();
    auto typeStep = [&](const QString& text) {
        choose(pch(), 2, 6);
        QTest::keyClick(&pch().grid(), Qt::Key_1);  // a typed key opens the text box
        ASSERT_TRUE(pch().editors().TextOpen());
        pch().editors().textBox().setText(text);
        QTest::keyClick(&pch().editors().textBox(), Qt::Key_Return);
    };
    typeStep("nonsense");
    EXPECT_EQ(scan.pchData(2).tsname(), before);
    const std::string other = MemoryCellEdit::StepList()[3];
    ASSERT_NE(TrimBlanks(other), TrimBlanks(before));
    typeStep(QString::fromStdString(TrimBlanks(other)));
    EXPECT_EQ(TrimBlanks(scan.pchData(2).tsname()), TrimBlanks(other));
}

TEST_F(ScanSheets, DeleteBlanksOnlyFromTheNameStartAndEndCells) {
    choose(pch(), 2, 4);
    QTest::keyClick(&pch().grid(), Qt::Key_Delete);
    EXPECT_NE(scan.pchData(2).lngFreq(), 0);
    choose(pch(), 2, 1);
    QTest::keyClick(&pch().grid(), Qt::Key_Delete);
    EXPECT_EQ(scan.pchData(2).lngFreq(), 0);
}

TEST_F(ScanSheets, ChoosingARowSetsTheProgramNumber) {
    choose(pch(), 12, 1);
    EXPECT_EQ(scan.programno(), 12);
    EXPECT_EQ(dlg.programNoBox(1).text(), "12");
    EXPECT_EQ(dlg.programNoBox(2).text(), "12");
    choose(ach(), 4, 1);
    EXPECT_EQ(scan.programno(), 12);
}

TEST_F(ScanSheets, ChoosingAnotherChannelRestartsARunningProgramScan) {
    setRow(7, 433000000, 434000000);
    setRow(3, 145000000, 146000000);
    choose(pch(), 3, 1);
    ASSERT_TRUE(scan.scan_start(1, frmSCANctrl::kProgramTrue));
    ASSERT_EQ(scan.lowEdge(), 145000000);
    choose(pch(), 7, 1);
    EXPECT_EQ(scan.scantype(), 1);
    EXPECT_EQ(scan.lowEdge(), 433000000);
    // The channel already chosen neither stops nor restarts it.
    clearLog();
    choose(pch(), 7, 2);
    EXPECT_EQ(rs.count("RsSendScan"), 0);
}

TEST_F(ScanSheets, TheAutoModeSheetEditsItsOwnTable) {
    typeInto(ach(), 3, 2, "118");
    const clsMchDATA& r = rx.AutoMode().chData(3);
    EXPECT_EQ(r.lngFreq(), 118000000);
    EXPECT_EQ(TrimTrailingBlanks(r.name1()), "NONAME");
    typeInto(ach(), 3, 3, "136.975");
    EXPECT_EQ(r.lngFreqHigh(), 136975000);
    EXPECT_EQ(cell(ach(), 3, 3), "136.975000");
    // The remark column opens nothing; a blank row shows empty cells.
    choose(ach(), 3, 7);
    QTest::keyClick(&ach().grid(), Qt::Key_Return);
    EXPECT_FALSE(ach().editorOpen());
    EXPECT_EQ(cell(ach(), 4, 1), "");
}

TEST_F(ScanSheets, RowsSurviveARestart) {
    typeInto(pch(), 4, 1, "MARINE");
    typeInto(pch(), 4, 2, "156.0");
    typeInto(pch(), 4, 3, "162.025");
    typeInto(ach(), 2, 1, "AIRBAND");
    typeInto(ach(), 2, 2, "118");
    typeInto(ach(), 2, 3, "137");
    const std::string pchRow = pch().rules().rowTexts(4)[2] + pch().rules().rowTexts(4)[3];
    scan.saveData();
    frmSCANctrl again(rx, memory);
    again.Init();
    EXPECT_EQ(again.pchData(4).name1().substr(0, 6), "MARINE");
    EXPECT_EQ(again.pchData(4).lngFreq(), 156000000);
    EXPECT_EQ(again.pchData(4).lngFreqHigh(), 162025000);
    rx.Unload();  // the automatic-mode table writes its rows
    clsAUTOMODE table;
    EXPECT_EQ(table.chData(2).name1().substr(0, 7), "AIRBAND");
    EXPECT_EQ(table.chData(2).lngFreq(), 118000000);
    EXPECT_EQ(table.chData(2).lngFreqHigh(), 137000000);
    EXPECT_FALSE(pchRow.empty());
}

TEST_F(ScanSheets, ScreenshotsWithAnOpenEditor) {
    setRow(3, 433000000, 434790000, "FM", "15k", "25kHz", 1);
    pch().Update();
    dlg.SelectTab(1);
    choose(pch(), 2, 1);
    QTest::keyClick(&pch().grid(), Qt::Key_Return);
    EXPECT_TRUE(test::saveScreenshot(dlg, "scansheet-pch-text-editor"));
    QTest::keyClick(&pch().editors().textBox(), Qt::Key_Escape);
    choose(pch(), 3, 5);
    QTest::keyClick(&pch().grid(), Qt::Key_Return);
    EXPECT_TRUE(test::saveScreenshot(dlg, "scansheet-pch-list-editor"));
    QTest::keyClick(&pch().editors().list(), Qt::Key_Escape);
    typeInto(ach(), 1, 2, "118");
    dlg.SelectTab(6);
    choose(ach(), 1, 4);
    QTest::keyClick(&ach().grid(), Qt::Key_Return);
    EXPECT_TRUE(test::saveScreenshot(dlg, "scansheet-ach-list-editor"));
}

}  // namespace
}  // namespace corvell
