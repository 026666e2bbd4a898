// The memory list window as a user sees and drives it: cell texts, redraws, the bank bar,
// buttons, clicks on channel numbers, column widths kept across a close and a restart.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "core/clsProfileIO.h"
#include "memory/MemorySheetText.h"
#include "platform/private_profile.h"
#include "scan/frmSCANctrl.h"
#include "tests/memory/memory_list_fixture.h"
#include "tests/support/artifacts.h"
#include "ui/Labels.h"
#include "ui/SheetModel.h"
#include "ui/SheetView.h"

namespace corvell::test {
namespace {

QStringList row(frmMch& w, int r) {
    QStringList cells;
    for (int c = 0; c < mchcol::Count; ++c) cells << w.cells().text(r, c);
    return cells;
}

QString bankNumber(frmMch& w) {
    for (auto* box : w.findChildren<ui::FittedTextBox*>()) {
        if (box->accessibleName() == "Bank number") return box->printedText();
    }
    return "?";
}

TEST_F(MemoryListTest, UsedBlankAndFlaggedRowsShowTheirTexts) {
    EXPECT_EQ(row(*window, 0), (QStringList{"0", "Harbour", "156.800000", "FM", "15k", " OFF",
                                            "  25kHz", " OFF", " OFF", "  OFF", "call channel"}));
    EXPECT_EQ(row(*window, 1),
              (QStringList{"1", " -- BLANK --", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(row(*window, 2), (QStringList{"2", "Pilot", "156.650000", "FM", "6k", " ON",
                                            "12.5kHz", " ON", " ON", "  67.0Hz", "night"}));
    EXPECT_EQ(cell(3, mchcol::Frequency), "2.182000");
    EXPECT_EQ(cell(49, mchcol::Ch), "49");
    EXPECT_EQ(bankNumber(*window), " 03");
    EXPECT_EQ(window->bankNameBox().currentText(), "Marine");
    EXPECT_EQ(window->bankNameBox().count(), 20);
    EXPECT_EQ(window->bankNameBox().itemText(5), "Air");
    const QAbstractItemModel& m = window->cells();
    EXPECT_EQ(m.headerData(2, Qt::Horizontal).toString(), " Frequency");
    EXPECT_EQ(m.data(m.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(grid().Row(), 0);  // the bank's remembered channel
    EXPECT_EQ(grid().Col(), mchcol::Name);

    // A blank channel shows nothing of what its record still holds; a tone index beyond the
    // table shows the last tone, the one the file will hold.
    clsMchDATA& r = memory().chData(3, 2);
    r.setIntTsql(400);
    window->UpdateSheet();
    EXPECT_EQ(cell(2, mchcol::Tsql), " 254.1Hz");
    r.setLngFreq(0);
    window->UpdateSheet();
    EXPECT_EQ(row(*window, 2),
              (QStringList{"2", " -- BLANK --", "", "", "", "", "", "", "", "", ""}));
}

TEST_F(MemoryListTest, TheGridIsRedrawnOnlyWhenSomethingChanged) {
    const int before = window->redrawCount();
    window->ChangeBank(3);  // the bank already shown, its channel unchanged
    memory().setMemoryRedraw(false);
    window->Task_exec();
    EXPECT_EQ(window->redrawCount(), before);

    memory().ch(3, 1).setLngFreq(430000000);
    memory().Redraw();
    window->Task_exec();
    EXPECT_EQ(window->redrawCount(), before + 1);
    EXPECT_FALSE(memory().MemoryRedraw());
    EXPECT_EQ(cell(1, mchcol::Frequency), "430.000000");

    window->hide();  // a hidden list keeps the request for later
    memory().Redraw();
    window->Task_exec();
    EXPECT_TRUE(memory().MemoryRedraw());
    EXPECT_EQ(window->redrawCount(), before + 1);

    window->show();  // the current cell survives redraws
    grid().setCurrentCell(7, 4);
    window->UpdateSheet();
    EXPECT_EQ(grid().Row(), 7);
    EXPECT_EQ(grid().Col(), 4);
}

TEST_F(MemoryListTest, ChoosingABankInTheListShowsAndTunesItsChannel) {
    QComboBox& box = window->bankNameBox();
    box.showPopup();
    QAbstractItemView* list = box.view();
    const QRect air = list->visualRect(list->model()->index(5, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, air.center());
    EXPECT_EQ(memory().ActiveBank(), 5);
    EXPECT_EQ(bankNumber(*window), " 05");
    EXPECT_EQ(cell(2, mchcol::Name), "Tower");
    EXPECT_EQ(grid().Row(), 2);
    EXPECT_EQ(rx->Frequency(), 118100000);
    EXPECT_EQ(rx->ModeText(), "AM");
}

TEST_F(MemoryListTest, BankArrowsStepEndlesslyAndButtonsWorkOnTheCurrentRow) {
    auto* up = window->findChild<QToolButton*>(QString(), Qt::FindChildrenRecursively);
    QToolButton* upButton = nullptr;
    QToolButton* downButton = nullptr;
    for (auto* b : window->findChildren<QToolButton*>()) {
        if (b->accessibleName() == "Bank up") upButton = b;
        if (b->accessibleName() == "Bank down") downButton = b;
    }
    ASSERT_TRUE(up && upButton && downButton);
    QTest::mouseClick(upButton, Qt::LeftButton);
    EXPECT_EQ(memory().ActiveBank(), 4);
    QTest::mouseClick(downButton, Qt::LeftButton);
    QTest::mouseClick(downButton, Qt::LeftButton);
    EXPECT_EQ(memory().ActiveBank(), 2);
    window->ChangeBank(3);

    auto button = [&](const char* name) { return window->findChild<QPushButton*>(name); };
    grid().setCurrentCell(2, mchcol::Name);
    QTest::mouseClick(button("cmdINSERT"), Qt::LeftButton);
    EXPECT_EQ(cell(2, mchcol::Name), " -- BLANK --");
    EXPECT_EQ(cell(3, mchcol::Name), "Pilot");
    QTest::mouseClick(button("cmdDELETE"), Qt::LeftButton);
    EXPECT_EQ(cell(2, mchcol::Name), "Pilot");
    QTest::mouseClick(button("cmdENTRY"), Qt::LeftButton);
    EXPECT_EQ(rx->Frequency(), 156650000);
    EXPECT_EQ(memory().ActiveCh(), 2);

    // The Delete key blanks from the name, frequency and remark cells only.
    grid().setFocus();
    grid().setCurrentCell(0, mchcol::Mode);
    press(Qt::Key_Delete);
    EXPECT_EQ(cell(0, mchcol::Name), "Harbour");
    grid().setCurrentCell(0, mchcol::Name);
    press(Qt::Key_Delete);
    EXPECT_EQ(cell(0, mchcol::Name), " -- BLANK --");
    EXPECT_EQ(cell(2, mchcol::Name), "Pilot");
}

TEST_F(MemoryListTest, AClickOnAChannelNumberStopsTheScanAndTunes) {
    frmSCANctrl scan(*rx, memory());
    scan.Init();
    rx->setScanObj(&scan);
    rs.setValue("PowerOnStat", 1);
    rx->PowerOn();
    ASSERT_TRUE(scan.scan_start(3, frmSCANctrl::kProgramTrue));
    rs.clear();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                      grid().CellRect(3, mchcol::Ch).center());
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(rs.callsTo("RsSendScan").back().args, std::vector<int32_t>{0});
    EXPECT_EQ(rx->Frequency(), 2182000);
    EXPECT_EQ(rx->ModeText(), "USB");
    EXPECT_EQ(grid().Row(), 3);
    EXPECT_EQ(memory().ActiveCh(), 3);
    rx->setScanObj(nullptr);
}

TEST_F(MemoryListTest, TheBankNameBoxStoresOnEnterAndTheLimitStopsOnlyNewCharacters) {
    QComboBox& box = window->bankNameBox();
    QLineEdit* edit = box.lineEdit();
    edit->setFocus();
    edit->selectAll();
    type("Ship,s");
    EXPECT_EQ(box.currentText(), "Ships");
    press(Qt::Key_Return);
    EXPECT_EQ(memory().strBankName(3), "Ships");
    EXPECT_EQ(box.itemText(3), "Ships");
    EXPECT_TRUE(memory().MemoryChanged());

    edit->selectAll();
    type(QString(32, 'x'));
    EXPECT_EQ(box.currentText().size(), 32);
    type("y");  // refused
    EXPECT_EQ(box.currentText(), QString(32, 'x'));
    press(Qt::Key_Backspace);
    EXPECT_EQ(box.currentText().size(), 31);
    edit->insert("zz");  // pasted past the limit
    press(Qt::Key_Escape);
    press(Qt::Key_Return);
    EXPECT_EQ(memory().strBankName(3), std::string(31, 'x') + "zz");

    edit->selectAll();
    type("Unsaved");
    grid().setFocus();  // leaving the box drops what was not entered
    EXPECT_EQ(box.currentText(), QString(31, 'x') + "zz");
}

TEST_F(MemoryListTest, ColumnWidthsComeBackAfterACloseAndARestart) {
    for (int c = 0; c < mchcol::Count; ++c) grid().setColumnWidth(c, 40 + 7 * c);
    window->close();
    EXPECT_EQ(owner.words, std::vector<std::string>{"MEMORY"});
    EXPECT_TRUE(window->isLoaded());  // the close was only a hide
    EXPECT_FALSE(window->isVisible());
    const std::string saved = ini();
    EXPECT_NE(saved.find("MEMORYSHEETCOLWIDTH1=600"), std::string::npos) << saved;
    EXPECT_NE(saved.find("MEMORYSHEETCOLWIDTH11=1650"), std::string::npos) << saved;

    reopenAfterRestart();
    for (int c = 0; c < mchcol::Count; ++c) {
        // Columns 1..10 keep at least 800 twips: 54 whole pixels (53 would be 795 twips).
        EXPECT_EQ(grid().columnWidth(c), c == 0 ? 40 : std::max(54, 40 + 7 * c)) << c;
    }
    window->close();
    reopenAfterRestart();
    EXPECT_EQ(grid().columnWidth(0), 40);  // no drift from one run to the next
    EXPECT_EQ(grid().columnWidth(10), 110);
    EXPECT_EQ(grid().columnWidth(1), 54);
}

TEST_F(MemoryListTest, TheWindowKeepsItsSmallestSizeAndTheProgramEndUnloadsIt) {
    window->resize(100, 50);
    EXPECT_GE(window->width(), 7000 / 15);
    EXPECT_GE(window->height(), 2500 / 15);
    EXPECT_TRUE(window->Unload(ui::UnloadMode::AppEnding));
    EXPECT_FALSE(window->isLoaded());
    EXPECT_TRUE(owner.words.empty());
    EXPECT_NE(ini().find("MEMORYSHEETCOLWIDTH1="), std::string::npos);
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

// A bank whose remembered channel is 2 opens with that row current and in view, the rows
// above it and the header still shown: the window scrolls only when the row is out of view.
TEST_F(MemoryListTest, TheGridOpensWithTheActiveRowInViewAndChannelZeroAtTheTop) {
    memory().setActiveBank(5);
    ASSERT_EQ(memory().ActiveCh(), 2);
    open();
    EXPECT_EQ(grid().Row(), 2);
    EXPECT_TRUE(grid().isRowVisible(2));
    EXPECT_EQ(grid().rowAt(0), 0) << "channel 0 is the top row";
    EXPECT_TRUE(grid().horizontalHeader()->isVisible());
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

// With no widths saved yet, no title and no usual text is cut: the fixture's names,
// frequencies, steps and tones, the blank text and every title show whole, and no field column
// is narrower than 800 twips however short its texts (Mode, Filter, the flags, TS, T-SQL).
TEST_F(MemoryListTest, AFirstStartFitsEveryColumnToItsTitleAndItsTexts) {
    ASSERT_EQ(ini().find("MEMORYSHEETCOLWIDTH"), std::string::npos) << "no saved widths";
    const QFontMetrics cells(grid().font());
    const QFontMetrics titles(grid().horizontalHeader()->font());
    const QAbstractItemModel& m = window->cells();
    for (int c = 0; c < mchcol::Remark; ++c) {
        const QString title = m.headerData(c, Qt::Horizontal).toString();
        EXPECT_LT(titles.horizontalAdvance(title), grid().columnWidth(c)) << title.toStdString();
        for (int r = 0; r < m.rowCount(); ++r) {
            const QString text = window->cells().text(r, c);
            EXPECT_LT(cells.horizontalAdvance(text), grid().columnWidth(c))
                << "row " << r << " column " << c << ": " << text.toStdString();
        }
        // What the view itself needs to draw the shown texts whole, margins and grid line
        // included: a column even a pixel narrower cuts its widest text to "O...".
        const QAbstractItemView& view = grid();
        EXPECT_GE(grid().columnWidth(c), view.sizeHintForColumn(c)) << title.toStdString();
    }
    for (int c = mchcol::Name; c < mchcol::Count; ++c) {
        EXPECT_GE(grid().ColWidthTwips(c), 800)
            << m.headerData(c, Qt::Horizontal).toString().toStdString();
    }
    // The name and the frequency need more than the floor and get it.
    EXPECT_GT(grid().ColWidthTwips(mchcol::Name), 800);
    EXPECT_GT(grid().ColWidthTwips(mchcol::Frequency), 800);
    EXPECT_TRUE(saveScreenshot(*window, "memory-first-start-" + scalePercent()));

    // A saved width still wins over the fit, however narrow; below the floor it is raised. A
    // damaged one (far wider than any screen) is fitted as on a first start.
    const struct {
        int column;
        const char* saved;  // twips, as the user left it or as a damaged file holds it
        int pixels;         // when opened again
    } saved[] = {
        {mchcol::Name, "900", 60},    // narrower than its texts: kept
        {mchcol::Mode, "300", 54},    // raised to 800 (54 whole pixels)
        {mchcol::Tsql, "1800", 120},  // wider than the fit: kept
        {mchcol::Frequency, "1e30", grid().columnWidth(mchcol::Frequency)},
    };
    window->close();
    window.reset();
    ResetProgramMemoryList();
    restart();
    std::string settings = ini();
    for (const auto& s : saved) {
        const std::string key = "MEMORYSHEETCOLWIDTH" + std::to_string(s.column + 1) + "=";
        const size_t at = settings.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        settings.replace(at, settings.find_first_of("\r\n", at) - at, key + s.saved);
    }
    home.write("Corvell.ini", settings);
    load();
    open();
    for (const auto& s : saved) EXPECT_EQ(grid().columnWidth(s.column), s.pixels) << s.saved;
}

}  // namespace
}  // namespace corvell::test
