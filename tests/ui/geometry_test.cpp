#include "ui/Geometry.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include "ui/DragByFace.h"

namespace corvell::ui {
namespace {

QSize screenSize() {
    return QGuiApplication::primaryScreen()->geometry().size();
}

TEST(Geometry, KeepFormOnScreenMovesOnlyAWindowBeyondTheScreen) {
    const QSize screen = screenSize();
    QWidget form;
    form.resize(100, 80);
    form.move(screen.width(), 10);  // exactly the width: still kept
    KeepFormOnScreen(&form);
    EXPECT_EQ(form.pos(), QPoint(screen.width(), 10));
    form.move(20, screen.height() + 1);  // only the top lies below the screen
    KeepFormOnScreen(&form);
    EXPECT_EQ(form.pos(), QPoint(0, 0));
}

TEST(Geometry, CentreFormOnFormCentresAndFallsBackToTheCornerWhenEitherIsNegative) {
    QWidget main, dialog;
    main.setGeometry(100, 100, 400, 300);
    dialog.resize(200, 100);
    CentreFormOnForm(&dialog, &main);
    EXPECT_EQ(dialog.pos(), QPoint(200, 200));
    EXPECT_EQ(dialog.size(), QSize(200, 100));

    main.setGeometry(10, 300, 100, 100);
    dialog.resize(300, 100);  // only the left comes out negative
    CentreFormOnForm(&dialog, &main);
    EXPECT_EQ(dialog.pos(), QPoint(0, 0));
}

// A borderless panel inside the main window's child-window area, dragged by its face.
class Face : public QWidget {
  public:
    using QWidget::QWidget;
    QWidget* panel = nullptr;

  protected:
    void mousePressEvent(QMouseEvent* event) override { DragByFace(panel, this, *event); }
};

TEST(Geometry, APanelInTheChildWindowAreaIsDraggedByItsFace) {
    QMdiArea area;
    area.resize(600, 400);
    auto* panel = new QWidget;
    panel->resize(120, 60);
    auto* face = new Face(panel);
    face->panel = panel;
    face->setGeometry(0, 0, 120, 60);
    QMdiSubWindow* frame = area.addSubWindow(panel, Qt::FramelessWindowHint);
    frame->move(50, 40);
    area.show();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    EXPECT_EQ(windowFrameOf(panel), frame);

    QTest::mousePress(face, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(face, QPoint(40, 30));
    QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(frame->pos(), QPoint(80, 60));

    // A right-button press does not drag.
    QTest::mousePress(face, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseMove(face, QPoint(60, 60));
    QTest::mouseRelease(face, Qt::RightButton, {}, QPoint(60, 60));
    EXPECT_EQ(frame->pos(), QPoint(80, 60));
}

}  // namespace
}  // namespace corvell::ui
