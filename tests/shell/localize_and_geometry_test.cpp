// Resource ids carried by controls become texts; labels shrink to fit and stop at 1 pt;
// windows kept on screen and centred over another.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "core/ProgramValues.h"
#include "shell/LocalizeControls.h"
#include "ui/LabelFit.h"
#include "ui/WindowGeometry.h"

namespace corvell {
namespace {

TEST(LocalizeControls, IdsInTagsCaptionsAndToolTipsBecomeTexts) {
    QWidget form;
    auto* label = new QLabel("keep", &form);
    label->setProperty("Tag", "10001");
    auto* emptyTag = new QLabel("empty", &form);
    auto* strictLabel = new QLabel("strict", &form);
    strictLabel->setProperty("Tag", "10002abc");  // a label needs the whole text a number
    auto* button = new QPushButton("button", &form);
    button->setProperty("Tag", "10002abc");  // other controls take the leading number
    button->setToolTip("10004");
    auto* half = new QPushButton("half", &form);
    half->setProperty("Tag", "0.5");  // rounds to 0: nothing
    auto* unknown = new QPushButton("unknown", &form);
    unknown->setProperty("Tag", "42");  // no such text: kept
    QMenuBar bar(&form);
    QMenu* menu = bar.addMenu("File(&F)");
    QAction* numbered = menu->addAction("10000");
    QAction* plain = menu->addAction("New(&N)");

    for (int offset : {0, 1000}) {
        SCOPED_TRACE(offset);
        SetLanguageOffset(offset);
        shell::LocalizeControls(form);
        EXPECT_EQ(label->text(), "Communications Receiver");
        EXPECT_EQ(emptyTag->text(), "empty");
        EXPECT_EQ(strictLabel->text(), "strict");
        EXPECT_EQ(button->text(), "Revision 2.0");
        EXPECT_EQ(button->toolTip(), "For Linux (Qt 6)");
        EXPECT_EQ(half->text(), "half");
        EXPECT_EQ(unknown->text(), "unknown");
        EXPECT_EQ(numbered->text(), "Corvell");
        EXPECT_EQ(plain->text(), "New(&N)");
        EXPECT_EQ(menu->title(), "File(&F)");
        numbered->setText("10000");
    }
    SetLanguageOffset(0);
    EXPECT_EQ(shell::leadingId("1.5"), 2);
    EXPECT_EQ(shell::leadingId("2.5"), 2);
    EXPECT_EQ(shell::leadingId("x12"), 0);
    EXPECT_FALSE(shell::strictId("12ab").has_value());
}

TEST(LabelFit, ShrinksInHalfPointsAndNeverBelowOnePoint) {
    QWidget box;
    QLabel label(&box);
    ui::FitLabelAndCentre(0, label, "Communications Receiver", 20, 10, 50, 120, 30);
    EXPECT_LE(label.width(), 120);
    EXPECT_LT(label.font().pointSizeF(), 20);
    EXPECT_EQ(label.x(), 10);
    EXPECT_EQ(label.y(), 50 - label.height() / 2);
    // A box nothing fits into: the shrinking ends at 1 pt instead of looping on.
    QLabel tiny(&box);
    ui::FitLabelAndCentre(1, tiny, "never fits", 14, 300, 40, 1, 1);
    EXPECT_GE(tiny.font().pointSizeF(), ui::kSmallestFontPt);
    EXPECT_LT(tiny.font().pointSizeF(), 1.5);
    EXPECT_EQ(tiny.x() + tiny.width(), 300);  // alignment 1: right edge on x
    // The same text again leaves the label exactly as it is.
    tiny.move(5, 5);
    ui::FitLabelAndCentre(1, tiny, "never fits", 14, 300, 40, 1, 1);
    EXPECT_EQ(tiny.pos(), QPoint(5, 5));
}

TEST(WindowGeometry, OnScreenAndCentredOverAnother) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QWidget edge;
    edge.move(screen.width(), 10);  // exactly the width: stays
    ui::KeepFormOnScreen(edge);
    EXPECT_EQ(edge.pos(), QPoint(screen.width(), 10));
    QWidget below;
    below.move(10, screen.height() + 1);
    ui::KeepFormOnScreen(below);
    EXPECT_EQ(below.pos(), QPoint(0, 0));

    QWidget reference;
    reference.setGeometry(100, 100, 400, 300);
    QWidget dialog;
    dialog.resize(200, 100);
    ui::CentreFormOnForm(dialog, reference);
    EXPECT_EQ(dialog.frameGeometry().center(), reference.frameGeometry().center());
    QWidget large;
    large.resize(1000, 100);  // only its left would be negative: both become 0
    ui::CentreFormOnForm(large, reference);
    EXPECT_EQ(large.pos(), QPoint(0, 0));
}

}  // namespace
}  // namespace corvell
