// A dialog with no position of its own opens centred over its owner, kept on the screen; a child
// window minimised or maximised keeps the rectangle it is restored to.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "ui/Form.h"
#include "ui/Geometry.h"
#include "ui/NormalRect.h"

namespace corvell::ui {
namespace {

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(WindowPlacing, ADialogWithoutAPositionOpensCentredOverItsOwnerKeptOnTheScreen) {
    const QRect area = screenArea();
    // Where the dialog's frame lands: centred, or against the screen's edge it would cross.
    enum class At { Centred, BottomRight, TopLeft };
    struct Row {
        const char* name;
        QRect owner;
        At at;
    } rows[] = {
        {"in the middle", QRect(100, 100, 400, 300), At::Centred},
        {"beyond the bottom right", QRect(area.right() - 100, area.bottom() - 50, 400, 300),
         At::BottomRight},
        {"above the top left", QRect(-300, -250, 400, 300), At::TopLeft},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QWidget owner;
        owner.setGeometry(r.owner);
        Form dialog;
        dialog.resize(200, 100);
        dialog.setOpensOver(&owner);
        dialog.show();
        const QRect frame = dialog.frameGeometry();
        switch (r.at) {
            case At::Centred:
                EXPECT_LE((frame.center() - owner.geometry().center()).manhattanLength(), 1);
                break;
            case At::BottomRight:
                EXPECT_EQ(frame.bottomRight(), area.bottomRight());
                break;
            case At::TopLeft:
                EXPECT_EQ(frame.topLeft(), area.topLeft());
                break;
        }
        // Moved by the user, hidden and shown again, it stays where it was left.
        dialog.move(30, 40);
        dialog.hide();
        owner.move(owner.pos() + QPoint(50, 50));
        dialog.show();
        EXPECT_EQ(dialog.pos(), QPoint(30, 40));
    }
}

TEST(WindowPlacing, ADialogWithASavedPositionOpensThere) {
    QWidget owner;
    owner.setGeometry(100, 100, 400, 300);
    Form dialog;
    dialog.resize(200, 100);
    dialog.setOpensOver(&owner);
    dialog.move(12, 34);
    dialog.setHasPosition();
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(12, 34));
}

TEST(WindowPlacing, AChildWindowKeepsTheRectangleItIsRestoredTo) {
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    auto* face = new QLabel(QStringLiteral("list"));
    QMdiSubWindow* sub = area.addSubWindow(face);
    KeepNormalRect(sub);
    sub->show();
    sub->setGeometry(40, 50, 300, 200);
    const QRect normal(40, 50, 300, 200);
    sub->showMinimized();
    ASSERT_NE(sub->geometry(), normal);  // the toolkit's minimised strip
    EXPECT_EQ(normalRectOf(sub), normal);
    sub->showNormal();
    sub->showMaximized();
    ASSERT_EQ(sub->geometry().size(), area.viewport()->size());
    EXPECT_EQ(normalRectOf(sub), normal);
    sub->showMinimized();  // minimised from maximised
    EXPECT_EQ(normalRectOf(sub), normal);
    sub->showNormal();
    sub->move(70, 80);
    EXPECT_EQ(normalRectOf(sub), QRect(70, 80, 300, 200));
}

// Placed while hidden (the toolkit tells a hidden window of no move), a child window's normal
// rectangle is still where it was put: hidden all along, minimised or maximised while hidden,
// shown afterwards.
TEST(WindowPlacing, AChildWindowPlacedWhileHiddenKeepsThatRectangle) {
    struct Row {
        const char* name;
        Qt::WindowState state;
        bool shownAfter;
    } rows[] = {
        {"hidden all along", Qt::WindowNoState, false},
        {"maximised while hidden", Qt::WindowMaximized, false},
        {"minimised while hidden", Qt::WindowMinimized, false},
        {"maximised while hidden, shown after", Qt::WindowMaximized, true},
        {"minimised while hidden, shown after", Qt::WindowMinimized, true},
    };
    const QRect placed(20, 300, 400, 250);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QMdiArea area;
        area.resize(800, 600);
        area.show();
        QMdiSubWindow* sub = area.addSubWindow(new QLabel(QStringLiteral("list")));
        sub->hide();
        KeepNormalRect(sub);
        sub->setGeometry(placed);
        if (r.state != Qt::WindowNoState) sub->setWindowState(r.state);
        sub->hide();  // the toolkit shows a child window it minimises or maximises
        if (r.shownAfter) sub->show();
        EXPECT_EQ((sub->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)).toInt(),
                  static_cast<int>(r.state));
        EXPECT_EQ(normalRectOf(sub), placed);
    }
}

}  // namespace
}  // namespace corvell::ui
