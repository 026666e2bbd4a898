// The scan pad and the band-scope window on the real link library and the emulated receiver:
// the pad's program-scan key starts a scan that the receiver's reports walk; the scope shows
// the receiver's carrier at the centre column, and a click beside it tunes the receiver.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <array>
#include <cstdint>

#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "resources/Artwork.h"
#include "scan/ScanStop.h"
#include "scan/ScopeDisplay.h"
#include "scan/ScopeRenderer.h"
#include "scan/frmScanPad.h"
#include "scan/frmScope.h"
#include "tests/scan-e2e/ScanEndToEnd.h"

namespace corvell {
namespace {

class ScanWindowsEndToEnd : public ScanEndToEnd {
  protected:
    ScanWindowsEndToEnd() {
        ui::ImageHotZone::setDefaultPixmapSource(
            [](int id, qreal dpr) { return art::artwork(id, dpr); });
        setScanCtrl(&scan);
    }
    ~ScanWindowsEndToEnd() override { setScanCtrl(nullptr); }

    static void beatEvents() { QCoreApplication::processEvents(); }
};

TEST_F(ScanWindowsEndToEnd, TheScanPadStartsAProgramScanThatTheReportsWalk) {
    ASSERT_TRUE(linkUp()) << emulator->lastError();
    frmScanPad pad(rx, scan);
    pad.Load();
    pad.show();
    onBeat = [&] {
        beatEvents();
        pad.Task_exec();
    };
    setAirbandRow();

    pad.img(1).press();  // PROG
    ASSERT_EQ(scan.scantype(), 1);
    ASSERT_TRUE(runUntil([&] { return emulator->scanning(); }));
    EXPECT_TRUE(runUntil([&] { return emulator->frequency() == 118000000; }));
    EXPECT_EQ(pad.img(8).imageId(), 1236);
    emulator->sendScanStatus(1);  // move on
    EXPECT_TRUE(runUntil([&] { return emulator->frequency() == 118020000; }));
    emulator->sendScanStatus(1);
    EXPECT_TRUE(runUntil([&] { return emulator->frequency() == 118040000; }));
    pad.img(4).press();  // STOP
    EXPECT_TRUE(runUntil([&] { return !emulator->scanning(); }));
    EXPECT_TRUE(runUntil([&] { return pad.img(8).imageId() == 1235; }));
}

TEST_F(ScanWindowsEndToEnd, TheScopeShowsTheCarrierAtTheCentreAndAClickTunes) {
    ASSERT_TRUE(linkUp()) << emulator->lastError();
    rx.setModeText("FM");
    rx.setFrequency(145000000);
    // A sweep of 200 points around the centre index 128: a 1 kHz step over the widest span
    // gives it. The carrier sits at the tuned frequency, a noise floor around it.
    rx.TSbase().setTsname("1kHz");
    std::array<uint8_t, 256> levels{};
    for (int i = 0; i < 256; ++i) levels[i] = static_cast<uint8_t>(0x18 + (i * 29) % 23);
    levels[127] = 0x90;
    levels[128] = 0xC0;
    levels[129] = 0x90;
    emulator->setScopeLevels(levels);
    frmScope scope(rx);
    scope.Load();
    scope.show();
    onBeat = [&] {
        beatEvents();
        rx.Task_exec();
        scope.Task_exec();
    };
    scope.img(1).press();  // ON
    ASSERT_TRUE(runUntil([&] { return emulator->sweeping(); }));
    ASSERT_TRUE(runUntil([&] { return emulator->scope().span == 200; }))
        << "points per side " << rx.ScopeSTAT().PointsPerSide();
    EXPECT_EQ(emulator->scope().span, rx.ScopeDATA().bwidth());
    // The carrier's bar at the centre column reaches high up in the picture on the screen.
    const ScopeGeometry& g = kScopeWindowGeometry;
    ASSERT_TRUE(runUntil(
        [&] {
            const QImage& shown = scope.display().shown();
            return !shown.isNull() && shown.pixel(g.centreX, 40) == scopecolour::kCentreBar;
        },
        8000))
        << "level at the centre " << rx.ScopeDATA().SCOPE_buff_WoFlag(128);
    // Beside the carrier only the noise floor: the row is the scale's.
    const int p = scope.view().spacing().pixPerPoint;
    EXPECT_NE(scope.display().shown().pixel(g.centreX + 6 * p, 40) & 0xffff, 0xffffu);

    const int32_t step = rx.ScopeSTAT().StepFreq();
    QTest::mouseClick(&scope.display(), Qt::LeftButton, {}, QPoint(g.centreX + 2 * p, 50));
    EXPECT_EQ(rx.Frequency(), 145000000 + 2 * step);
    EXPECT_TRUE(runUntil([&] { return emulator->frequency() == 145000000 + 2 * step; }));
}

}  // namespace
}  // namespace corvell
