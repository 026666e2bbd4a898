#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "resources/Artwork.h"
#include "ui/ImageHotZone.h"

namespace corvell::ui {
namespace {

// A bitmap source that paints each id in its own colour and counts what it was asked for.
struct CountingSource {
    std::vector<int> asked;
    ImageHotZone::PixmapSource source() {
        return [this](int id, qreal ratio) {
            asked.push_back(id);
            QPixmap pixmap(QSize(20, 10) * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(id == 1 ? Qt::red : Qt::blue);
            return pixmap;
        };
    }
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

class ImageHotZoneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        panel.resize(100, 60);
        zone = new ImageHotZone(7, &panel, bitmaps.source());
        zone->setGeometry(10, 10, 20, 10);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    CountingSource bitmaps;
    QWidget panel;
    ImageHotZone* zone = nullptr;
};

TEST_F(ImageHotZoneTest, AClickReachesTheHandlerWithButtonShiftAndPositionInTwips) {
    QSignalSpy down(zone, &ImageHotZone::mouseDown);
    QSignalSpy up(zone, &ImageHotZone::mouseUp);
    QTest::mouseClick(zone, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(4, 6));
    ASSERT_EQ(down.count(), 1);
    ASSERT_EQ(up.count(), 1);
    const QList<QVariant> args = down.takeFirst();
    EXPECT_EQ(args.at(0).toInt(), 7);     // index
    EXPECT_EQ(args.at(1).toInt(), 2);     // right button
    EXPECT_EQ(args.at(2).toInt(), 3);     // Shift + Ctrl
    EXPECT_EQ(args.at(3).toFloat(), 60);  // 4 px
    EXPECT_EQ(args.at(4).toFloat(), 90);  // 6 px
    EXPECT_EQ(up.takeFirst().at(1).toInt(), 2);
}

TEST_F(ImageHotZoneTest, MovesReportTheHeldButtonsAndADoubleClickReportsItself) {
    QSignalSpy move(zone, &ImageHotZone::mouseMove);
    QSignalSpy down(zone, &ImageHotZone::mouseDown);
    QSignalSpy dbl(zone, &ImageHotZone::dblClick);
    QTest::mousePress(zone, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(zone, QPoint(3, 5));
    ASSERT_GE(move.count(), 1);
    const QList<QVariant> args = move.takeLast();
    EXPECT_EQ(args.at(1).toInt(), 1);
    EXPECT_EQ(args.at(3).toFloat(), 45);
    EXPECT_EQ(args.at(4).toFloat(), 75);
    QTest::mouseRelease(zone, Qt::LeftButton, {}, QPoint(3, 5));
    QTest::mouseDClick(zone, Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(dbl.count(), 1);
    EXPECT_EQ(dbl.takeFirst().at(0).toInt(), 7);
}

TEST_F(ImageHotZoneTest, FetchesAndRepaintsOnlyWhenTheIdChanges) {
    PaintCounter counter;
    zone->installEventFilter(&counter);
    zone->setImageId(1);
    QApplication::processEvents();
    const int paintsAfterFirst = counter.paints;
    EXPECT_GE(paintsAfterFirst, 1);
    EXPECT_EQ(bitmaps.asked, (std::vector<int>{1}));

    for (int i = 0; i < 5; ++i) zone->setImageId(1);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, paintsAfterFirst);
    EXPECT_EQ(bitmaps.asked, (std::vector<int>{1}));

    zone->setImageId(2);
    QApplication::processEvents();
    EXPECT_GT(counter.paints, paintsAfterFirst);
    EXPECT_EQ(bitmaps.asked, (std::vector<int>{1, 2}));
    EXPECT_EQ(panel.grab().toImage().pixelColor(15, 15), QColor(Qt::blue));

    zone->setImageId(0);  // no picture: the panel face shows through
    QApplication::processEvents();
    EXPECT_EQ(bitmaps.asked, (std::vector<int>{1, 2}));
    EXPECT_NE(panel.grab().toImage().pixelColor(15, 15), QColor(Qt::blue));
}

TEST_F(ImageHotZoneTest, AScreenReaderFindsTheKeyByItsLegendAsAButtonAndCanPressIt) {
    zone->setLegend("ENT");
    auto* other = new ImageHotZone(8, &panel);
    other->setLegend("MCH");

    ImageHotZone* found = nullptr;
    for (ImageHotZone* z : panel.findChildren<ImageHotZone*>()) {
        if (z->legend() == "ENT") found = z;
    }
    ASSERT_EQ(found, zone);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(zone);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "ENT");
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    QSignalSpy down(zone, &ImageHotZone::mouseDown);
    QSignalSpy up(zone, &ImageHotZone::mouseUp);
    actions->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(down.takeFirst().at(1).toInt(), 1);  // a left click
}

TEST(ImageHotZone, ShowsTheArtworkCatalogsBitmapUnlessGivenAnotherSource) {
    const int digitFive = 1605;
    ASSERT_TRUE(corvell::art::hasArtwork(digitFive));
    QWidget panel;
    auto* zone = new ImageHotZone(1, &panel);
    zone->setImageId(digitFive);
    zone->resize(corvell::art::artworkSize(digitFive));
    panel.resize(zone->size());
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QImage shown = zone->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage drawn =
        corvell::art::artwork(digitFive).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown, drawn);
    EXPECT_EQ(zone->sizeHint(), corvell::art::artworkSize(digitFive));
}

}  // namespace
}  // namespace corvell::ui
