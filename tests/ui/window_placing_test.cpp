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

}  // namespace
}  // namespace corvell::ui
