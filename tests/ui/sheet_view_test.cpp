// The sheet grid and its cell editors as a user drives them: format strings, the current cell,
// fixed columns, typing into the text box (also ahead of it), lists kept inside the sheet, and
// every way an edit ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ui/CellEditors.h"
#include "ui/SheetModel.h"
#include "ui/SheetView.h"

namespace corvell::ui {
namespace {

TEST(SheetFormat, FieldsGiveTitlesAlignmentsAndWidths) {
    const auto columns = SheetView::ParseFormat("CH |< Name   |> Frequency|^Mid|");
    ASSERT_EQ(columns.size(), 5u);
    struct Want {
        const char* title;
        Qt::Alignment alignment;
        int characters;
    };
    const Want want[] = {{"CH", Qt::AlignLeft, 3},
                         {" Name", Qt::AlignLeft, 9},
                         {" Frequency", Qt::AlignRight, 11},
                         {"Mid", Qt::AlignHCenter, 4},
                         {"", Qt::AlignLeft, 0}};
    for (size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].title, QString::fromLatin1(want[i].title)) << i;
        EXPECT_EQ(columns[i].alignment, want[i].alignment) << i;
        EXPECT_EQ(columns[i].characters, want[i].characters) << i;
    }
}

TEST(SheetModelCells, OnlyWrittenChangesAreAnnouncedAndTheModelIsNeverReset) {
    SheetModel model(3, 2);
    QSignalSpy changed(&model, &SheetModel::dataChanged);
    QSignalSpy reset(&model, &SheetModel::modelReset);
    model.setText(1, 1, "x");
    model.setText(2, 0, "y");
    model.setText(9, 9, "outside");
    EXPECT_TRUE(model.publish());
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), model.index(1, 0));
    EXPECT_EQ(changed[0][1].toModelIndex(), model.index(2, 1));
    model.setText(1, 1, "x");  // the same text again
    EXPECT_FALSE(model.publish());
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), "y");
    EXPECT_EQ(model.text(9, 9), "");
    EXPECT_EQ(reset.size(), 0);
}

// A sheet of 30 rows and 5 columns (column 0 fixed) in a shown, active window, with its
// editors and a second widget to take the focus away.
class SheetEditing : public ::testing::Test {
  protected:
    SheetEditing() : model(30, 5), view(new SheetView(&window)), editors(*view) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(view);
        other = new QLineEdit(&window);
        layout->addWidget(other);
        view->setSheet(&model);
        view->ApplyFormat("# |<A     |<B     |<C     |<D     ");
        view->setFixedColumns(1);
        view->setRowHeightPixels(18);
        window.resize(400, 200);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        view->setFocus();
        editors.setRefusedCharacters(",");
        QObject::connect(&editors, &CellEditors::textEntered,
                         [this](const QString& t) { entered << t; });
        QObject::connect(&editors, &CellEditors::listChosen, [this](int i) { chosen << i; });
        QObject::connect(&editors, &CellEditors::abandoned, [this] { ++abandoned; });
    }
    // Keys as a user types them: to whatever has the focus.
    void type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    QWidget window;
    SheetModel model;
    SheetView* view;
    QLineEdit* other;
    CellEditors editors;
    QStringList entered;
    QList<int> chosen;
    int abandoned = 0;
};

TEST_F(SheetEditing, TextTypedAheadOfTheBoxAndEnterCommitsIt) {
    view->setCurrentCell(2, 2);
    editors.OpenText("a", 5);
    ASSERT_TRUE(editors.TextOpen());
    EXPECT_EQ(editors.textBox().geometry(), view->CellRect(2, 2));
    EXPECT_TRUE(editors.textBox().font().bold());
    QTest::keyClicks(view, "b,c");  // still aimed at the grid: reaches the box, comma refused
    type("defg");                   // the box keeps 5 characters
    press(Qt::Key_Return);
    EXPECT_EQ(entered, QStringList{"abcde"});
    EXPECT_FALSE(editors.Editing());
    EXPECT_FALSE(editors.textBox().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), view);
    EXPECT_EQ(abandoned, 0);
}

TEST_F(SheetEditing, EscFocusLossAndScrollingAbandonTheEdit) {
    view->setCurrentCell(1, 1);
    editors.OpenText("x", 10);
    press(Qt::Key_Escape);
    EXPECT_EQ(abandoned, 1);
    EXPECT_EQ(QApplication::focusWidget(), view);

    editors.OpenText("x", 10);
    other->setFocus();
    EXPECT_EQ(abandoned, 2);
    EXPECT_FALSE(editors.Editing());

    view->setFocus();
    editors.OpenList({"ON", "OFF"}, 0);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    EXPECT_EQ(abandoned, 3);
    EXPECT_FALSE(editors.list().isVisible());
    EXPECT_TRUE(entered.isEmpty());
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(SheetEditing, AListNearTheEdgesStaysInsideTheSheetAndEnterOrSpaceChooses) {
    view->scrollToBottom();
    view->setCurrentCell(29, 4);
    editors.OpenList({"LSB", "USB", "AM", "CW", "FM", "WFM"}, 4);
    const QRect list = editors.list().geometry();
    const QRect cell = view->CellRect(29, 4);
    EXPECT_EQ(list.height(), 4 * cell.height());
    EXPECT_EQ(list.width(), cell.width());
    EXPECT_LE(list.bottom(), view->viewport()->height() - 1);
    EXPECT_LE(list.right(), view->viewport()->width() - 1);
    EXPECT_EQ(QApplication::focusWidget(), &editors.list());
    type("x");  // other keys are the list's own
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(chosen, QList<int>{5});

    editors.OpenList({"ON", "OFF"}, -1);
    press(Qt::Key_Space);
    EXPECT_EQ(chosen, (QList<int>{5, -1}));

    editors.OpenList({"ON", "OFF"}, 0);
    const QRect second = editors.list().visualItemRect(editors.list().item(1));
    QTest::mouseClick(editors.list().viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_TRUE(editors.ListOpen());  // a single click only moves the choice
    QTest::mouseDClick(editors.list().viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(chosen, (QList<int>{5, -1, 1}));
    EXPECT_FALSE(editors.Editing());
}

TEST_F(SheetEditing, KeysOnTheGridAndClicksOnTheFixedColumn) {
    QSignalSpy typed(view, &SheetView::cellKeyPress);
    QSignalSpy down(view, &SheetView::cellKeyDown);
    QSignalSpy fixed(view, &SheetView::fixedCellClicked);
    view->setCurrentCell(3, 2);
    QTest::keyClicks(view, "7");
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(view, Qt::Key_Delete);
    QTest::keyClick(view, Qt::Key_Down);
    ASSERT_EQ(typed.size(), 3);
    EXPECT_EQ(typed[0][0].toInt(), '7');
    EXPECT_EQ(typed[1][0].toInt(), 13);
    EXPECT_EQ(typed[2][0].toInt(), 27);
    EXPECT_EQ(down.size(), 5);
    EXPECT_EQ(down[3][0].toInt(), 46);
    EXPECT_EQ(view->Row(), 4);  // the arrow still moves the cell

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->CellRect(1, 0).center());
    ASSERT_EQ(fixed.size(), 1);
    EXPECT_EQ(fixed[0][0].toInt(), 1);
    EXPECT_EQ(view->Row(), 1);
    EXPECT_EQ(view->Col(), 2);
    view->setCurrentCell(5, 0);  // the fixed column never holds the current cell
    EXPECT_EQ(view->Col(), 1);
    EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), 1);

    view->setColWidthTwips(2, 1200);
    EXPECT_EQ(view->columnWidth(2), 80);
    EXPECT_EQ(view->ColWidthTwips(2), 1200);
}

}  // namespace
}  // namespace corvell::ui
