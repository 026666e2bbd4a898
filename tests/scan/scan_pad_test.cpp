// The scan pad as a user drives it on the receiver over the recording link fake: the kind keys
// start and stop scans, the lamps follow a scripted scan, a held key shows its pressed picture
// and acts once, the sliders write the controller, the condition strip blinks on the injected
// clock, and the needle's tip lands where its geometry puts it.
#include <gtest/gtest.h>

#include <QTest>

#include "core/frmTesselbase.h"
#include "resources/ArtPrimitives.h"
#include "scan/ScanPadFaces.h"
#include "scan/ScanPadLogic.h"
#include "scan/frmScanPad.h"
#include "tests/scan/ScanWindowFixture.h"
#include "tests/support/accessible_tree.h"
#include "tests/support/artifacts.h"

namespace corvell {
namespace {

TEST(ScanPadNeedle, TipsOfTheMeterFace) {
    struct Case {
        int level;
        NeedlePoint tip;
        double angle;
    };
    // Face 171 x 86: pivot (85.5, 129), radius 111.8; worked out by hand from the geometry.
    const Case cases[] = {{0, {16, 42}, 231.5},
                          {64, {49, 23}, 250.75},
                          {128, {85, 17}, 270.0},
                          {192, {122, 23}, 289.25},
                          {255, {155, 41}, 308.19921875}};
    const NeedleGeometry g = NeedleGeometry::ForFace(171, 86);
    for (const Case& c : cases) {
        EXPECT_EQ(g.tip(c.level), c.tip) << "level " << c.level;
        EXPECT_DOUBLE_EQ(NeedleGeometry::angleDeg(c.level), c.angle);
    }
}

TEST(ScanPadLamps, BusyAndCentreIndicator) {
    EXPECT_EQ(busyLampState(0, 0, 0), 1);
    EXPECT_EQ(busyLampState(1, 0, 0), 2);
    EXPECT_EQ(busyLampState(1, 1, 0), 3);
    EXPECT_EQ(busyLampState(1, 1, 1), 2);  // no receive error while blank
    EXPECT_EQ(busyLampId(3), 1410);
    EXPECT_EQ(centreIndicatorId(5, 1, 0, 0, 100), 1412);
    EXPECT_EQ(centreIndicatorId(5, 2, 0, 0, 128), 1413);
    EXPECT_EQ(centreIndicatorId(5, 2, 1, 1, 200), 1414);
    EXPECT_EQ(centreIndicatorId(5, 2, 1, 0, 200), 0);
    EXPECT_EQ(centreIndicatorId(5, 3, 0, 0, 128), 0);
    EXPECT_EQ(centreIndicatorId(2, 1, 0, 0, 128), 0);
}

class ScanPad : public ScanWindowTest {
  protected:
    ScanPad() {
        setRow(1, 145000000, 146000000);
        pad.Load();
        pad.Init(owner);
        pad.show();
        tick();
    }
    void tick() { pad.Task_exec(); }
    void click(int key) {
        ui::ImageHotZone& hot = pad.img(key);
        hold.cursor = hot.mapToGlobal(QPoint(hot.width() / 2, hot.height() / 2));
        QTest::mousePress(&hot, Qt::LeftButton, {}, QPoint(hot.width() / 2, hot.height() / 2));
        QTest::mouseRelease(&hot, Qt::LeftButton, {}, QPoint(hot.width() / 2, hot.height() / 2));
        tick();
    }
    int lamp(int i) { return pad.img(i).imageId(); }

    frmScanPad pad{rx, scan, nullptr, &hold};
};

TEST_F(ScanPad, KindKeysStartAndAnyKindKeyStops) {
    click(1);
    EXPECT_EQ(scan.scantype(), 1);
    EXPECT_EQ(lamp(8), 1236);
    EXPECT_EQ(lamp(9), 1235);
    // The memory-scan key during a program scan stops it and starts nothing.
    click(3);
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(lamp(8), 1235);
    EXPECT_EQ(lamp(10), 1235);
    memory.setActiveBank(2);
    setChannel(2, 1, 145500000);
    setChannel(2, 2, 146500000);
    click(3);
    EXPECT_EQ(scan.scantype(), 3);
    click(4);
    EXPECT_EQ(scan.scanning(), 0);
}

// A screen reader hears the scan lamps by the key they stand over and their state.
TEST_F(ScanPad, TheLampsAreIndicatorsNamedByTheirState) {
    auto lamps = [this] { return test::accessibleNames(&pad, QAccessible::Indicator); };
    EXPECT_TRUE(lamps().contains("PROG: off"));
    click(1);
    EXPECT_TRUE(lamps().contains("PROG: on"));
    EXPECT_TRUE(lamps().contains("MEMO: off"));
    click(4);
    EXPECT_TRUE(lamps().contains("PROG: off"));
    EXPECT_EQ(lamps().filter("BUSY: ").size(), 1);
    EXPECT_EQ(lamps().filter("CENTRE: ").size(), 1);
    EXPECT_EQ(test::accessibleNames(&pad, QAccessible::Button),
              QStringList({"PROG", "AUTO", "MEMO", "STOP", "SET", "PAUSE", "VSC"}));
}

TEST_F(ScanPad, AProgramScanStartsOnTheStoredProgramNumber) {
    setRow(7, 433000000, 434000000);
    scan.setProgramno(7);
    click(1);
    EXPECT_EQ(scan.lowEdge(), 433000000);
    EXPECT_EQ(rx.Frequency(), 433000000);
}

TEST_F(ScanPad, LampsFollowAScriptedScan) {
    click(1);
    ASSERT_EQ(lamp(8), 1236);
    EXPECT_EQ(pad.condition().text(), "Program SCAN");  // a new text shows at once
    feed(2);
    feed(1);  // move on
    advance(50);
    tick();
    EXPECT_EQ(lamp(8), 1236);
    signal(true);
    scan.setDelaytype(1);
    feed(16);  // a signal: busy stop
    tick();
    EXPECT_EQ(pad.condition().text(), "Busy Stop");
    advance(50);
    tick();
    EXPECT_EQ(pad.condition().text(), "");  // blinks off for 500 ms
    advance(450);
    tick();
    EXPECT_EQ(pad.condition().text(), "");
    advance(60);
    tick();
    EXPECT_EQ(pad.condition().text(), "Busy Stop");
    click(4);
    EXPECT_EQ(lamp(8), 1235);
    EXPECT_EQ(scan.scanning(), 0);
}

TEST_F(ScanPad, HeldPauseShowsItsPictureAndTogglesOnce) {
    click(1);
    ui::ImageHotZone& key = pad.img(6);
    const QPoint mid(key.width() / 2, key.height() / 2);
    hold.cursor = key.mapToGlobal(mid);
    hold.leftDown = true;
    QTest::mousePress(&key, Qt::LeftButton, {}, mid);
    EXPECT_EQ(scan.pause(), 1);
    hold.advance(1000);  // repeats fire while held
    EXPECT_GE(pad.repeater().RepeatCount(), 2);
    tick();
    EXPECT_EQ(key.imageId(), 1407);
    EXPECT_EQ(scan.pause(), 1);
    EXPECT_EQ(pad.condition().text(), "Pause");
    QTest::mouseRelease(&key, Qt::LeftButton, {}, mid);
    tick();
    EXPECT_EQ(key.imageId(), 0);
}

TEST_F(ScanPad, SlidersWriteDelayAndReversedSpeed) {
    pad.slider(1).setValue(30);
    EXPECT_EQ(scan.speed(), 70);
    pad.slider(0).setValue(12);
    EXPECT_EQ(scan.delaytime(), 12);
    scan.setSpeed(10);
    tick();
    EXPECT_EQ(pad.slider(1).value(), 90);
}

TEST_F(ScanPad, OptionsAndVscKeysAndTheirLamps) {
    click(5);
    EXPECT_EQ(owner.words, std::vector<std::string>{"SCANSET"});
    QWidget dialog;
    pad.setOptionsDialog(&dialog);
    dialog.show();
    tick();
    EXPECT_EQ(lamp(11), 1236);
    click(7);
    EXPECT_NE(rx.vsc(), 0);
    EXPECT_EQ(lamp(12), 1236);
}

TEST_F(ScanPad, WithTheReceiverOffOnlyTheContinueFlagIsReset) {
    rx.setPower(0);
    click(1);
    click(7);
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(rx.vsc(), 0);
}

TEST_F(ScanPad, ClosingAsksTheMainWindowToHideIt) {
    pad.close();
    EXPECT_TRUE(pad.isVisible());
    EXPECT_EQ(owner.words, std::vector<std::string>{"SCAN"});
}

TEST_F(ScanPad, KeyboardKeysGoToTheTuningPanel) {
    RecordingTuner tuner;
    pad.setModeTuningPanel(&tuner);
    QTest::keyClick(&pad, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&pad, Qt::Key_5);
    // The Shift key itself goes down first, as every key with a code does.
    const std::vector<std::pair<int, int>> want{{16, 1}, {38, 1}, {53, 0}};
    EXPECT_EQ(tuner.keys, want);
}

TEST_F(ScanPad, AnIdleTickRepaintsNothing) {
    tick();
    const int repaints = pad.meter().repaints();
    QCoreApplication::processEvents();
    const int settled = pad.meter().repaints();
    for (int i = 0; i < 5; ++i) tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(pad.meter().repaints(), settled);
    (void)repaints;
}

TEST_F(ScanPad, TheNeedleShowsWholeUnderTheCentreIndicator) {
    const QRect indicator(130, 71, 40, 12);
    auto needlePixels = [&] {
        tick();
        pad.meter().moveTo(160);  // across the left part of the indicator, clear of its mark
        const QImage shot = pad.grab().toImage();
        int n = 0;
        for (int y = indicator.top(); y <= indicator.bottom(); ++y) {
            for (int x = indicator.left(); x <= indicator.right(); ++x) {
                if (shot.pixel(x, y) == art::palette::kPointer) ++n;
            }
        }
        return n;
    };
    rx.setMode(2);  // AM: no indicator
    const int bare = needlePixels();
    ASSERT_GT(bare, 0) << "the needle passes through the indicator's place";
    rx.setMode(5);  // FM 15k, centred: the indicator shows its mark
    rx.setFilter(2);
    rs.setValue("Cmeter", 128);
    const int covered = needlePixels();
    ASSERT_EQ(pad.img(14).imageId(), 1413);
    EXPECT_EQ(covered, bare);
    EXPECT_TRUE(test::saveScreenshot(pad, "scanpad-needle-under-indicator"));
}

// Every condition text stands whole in its strip: no ink in the outer columns, where a text too
// wide for the strip would be cut.
TEST_F(ScanPad, TheConditionStripShowsEachTextWhole) {
    for (const char* text : {"Program SCAN", "Auto MW SCAN", "Memory SCAN", "Busy Stop", "Pause"}) {
        pad.condition().setText(text);
        const QImage strip = pad.condition().grab().toImage();
        ASSERT_FALSE(strip.isNull());
        int inked = 0;
        for (int y = 0; y < strip.height(); ++y) {
            for (int x = 0; x < strip.width(); ++x) {
                if (strip.pixelColor(x, y).lightness() < 40) continue;
                ++inked;
                EXPECT_TRUE(x > 0 && x < strip.width() - 1)
                    << text << ": ink at column " << x << " of " << strip.width();
            }
        }
        EXPECT_GT(inked, 20) << text;
    }
}

TEST_F(ScanPad, Screenshots) {
    EXPECT_TRUE(test::saveScreenshot(pad, "scanpad-idle"));
    rx.setVsc(1);
    click(1);  // the new condition text shows on this tick
    EXPECT_TRUE(test::saveScreenshot(pad, "scanpad-program-scan"));
}

}  // namespace
}  // namespace corvell
