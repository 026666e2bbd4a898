// The band-scope window as a user drives it: its keys send the sweep, it copies the picture to
// the screen at most every third tick and never while nothing changed, a click tunes the
// receiver by the clicked point, and the screenshots of a sweep and of a paused picture.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <vector>

#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/frmScopeCtrl.h"
#include "resources/ArtTables.h"
#include "scan/ScopeDisplay.h"
#include "scan/frmScope.h"
#include "tests/scan/ScanWindowFixture.h"
#include "tests/support/artifacts.h"

namespace corvell {
namespace {

class ScopeWindow : public ScanWindowTest {
  protected:
    ScopeWindow() {
        rx.setFrequency(145000000);
        rx.setModeText("FM");
        scope.Load();
        scope.Init(owner);
        scope.show();
        ticks(6);  // settled: set up and sent
        rs.clear();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) scope.Task_exec();
    }
    void press(int key) { scope.img(key).press(); }
    // The scope commands sent since the last clear: {mode, bwidth, speed, ts}.
    std::vector<std::vector<int32_t>> scopeSends() {
        std::vector<std::vector<int32_t>> out;
        for (const auto& c : rs.callsTo("RsSendScope")) out.push_back(c.args);
        return out;
    }
    void sweep(int peak) {
        clsScopeDATA& data = rx.ScopeDATA();
        const int p = rx.ScopeSTAT().PointsPerSide();
        for (int i = 128 - p; i <= 128 + p; ++i) {
            const int d = i - peak;
            data.setSCOPE_buff(
                i, static_cast<int16_t>(d == 0 ? 230 : 15 + (i * 37) % 25 + (d * d < 9 ? 120 : 0)));
        }
    }

    frmScope scope{rx, nullptr, &hold};
};

TEST_F(ScopeWindow, KeysSendTheSweepAndItsPause) {
    press(1);  // on
    ASSERT_EQ(rx.ScopeDATA().mode(), 1);
    ASSERT_FALSE(scopeSends().empty());
    EXPECT_EQ(scopeSends().back()[0], 1);
    EXPECT_EQ(scopeSends().back()[1], rx.ScopeDATA().bwidth());
    EXPECT_EQ(scopeSends().back()[3], rx.ScopeSTAT().StepFreq());
    EXPECT_EQ(scope.labelText(0), " SPAN 4");
    EXPECT_FALSE(scope.labelText(3).isEmpty());

    rs.clear();
    press(3);  // pause: sent with mode 0, the icon shows it
    EXPECT_NE(rx.ScopeSTAT().pause(), 0);
    ASSERT_EQ(scopeSends().size(), 1u);
    EXPECT_EQ(scopeSends()[0][0], 0);
    EXPECT_EQ(scope.statusIcon().imageId(), art::kScopePauseIconId);

    rs.clear();
    press(4);  // span down releases the pause through the sweep controller and resends
    EXPECT_EQ(rx.ScopeSTAT().RangeSelectNo(), 2);
    EXPECT_EQ(scope.labelText(0), " SPAN 3");
    EXPECT_FALSE(scopeSends().empty());

    rs.clear();
    press(2);  // off: mode 0 sent, range and step labels empty, span label stays
    EXPECT_EQ(rx.ScopeDATA().mode(), 0);
    ASSERT_FALSE(scopeSends().empty());
    EXPECT_EQ(scopeSends().back()[0], 0);
    EXPECT_EQ(scope.labelText(1), "");
    EXPECT_EQ(scope.labelText(3), "");
    EXPECT_EQ(scope.labelText(0), " SPAN 3");
}

// Every way the view is set up again while the sweep stays paused: the icon still shows the
// pause. (A span key that changes the sweep releases the pause; at either end of the spans it
// only sets the view up again.)
TEST_F(ScopeWindow, ThePauseIconSurvivesEveryNewSetUp) {
    clsScopeSTAT& stat = rx.ScopeSTAT();
    struct Case {
        const char* name;
        int16_t span;
        std::function<void()> resetup;
    };
    const std::vector<Case> cases = {
        {"span down at the narrowest", 0, [&] { press(4); }},
        {"span up at the widest", stat.RangeMax(), [&] { press(5); }},
        {"hidden and shown", 3,
         [&] {
             scope.hide();
             ticks(2);
             scope.show();
         }},
        {"refreshed", 3, [&] { scope.ScopeRefreshDisp(); }},
    };
    for (const Case& c : cases) {
        stat.setRangeSelectNo(c.span);
        press(1);
        ticks(8);
        press(3);
        ASSERT_NE(stat.pause(), 0) << c.name;
        ASSERT_EQ(scope.statusIcon().imageId(), art::kScopePauseIconId) << c.name;
        c.resetup();
        ticks(8);
        ASSERT_NE(stat.pause(), 0) << c.name;
        EXPECT_EQ(scope.statusIcon().imageId(), art::kScopePauseIconId) << c.name;
        press(3);  // resume: the icon goes with the pause
        ticks(2);
        EXPECT_EQ(stat.pause(), 0) << c.name;
        EXPECT_NE(scope.statusIcon().imageId(), art::kScopePauseIconId) << c.name;
        press(2);
    }
}

TEST_F(ScopeWindow, KeysDoNothingWhileTheReceiverIsOff) {
    rx.setPower(0);
    press(1);
    EXPECT_EQ(rx.ScopeDATA().mode(), 0);
    EXPECT_TRUE(scopeSends().empty());
}

TEST_F(ScopeWindow, PaintsAtMostEveryThirdTickAndNeverWhenIdle) {
    press(1);
    ticks(10);
    const int before = scope.display().paints();
    for (int t = 0; t < 30; ++t) {
        sweep(140 + t % 5);
        scope.Task_exec();
    }
    const int busy = scope.display().paints() - before;
    EXPECT_GE(busy, 5);
    EXPECT_LE(busy, 10);
    const int idleStart = scope.display().paints();
    ticks(30);
    EXPECT_EQ(scope.display().paints(), idleStart);
}

TEST_F(ScopeWindow, AClickTunesByTheClickedPointOnBothSides) {
    press(1);
    ticks(6);
    const int p = scope.view().spacing().pixPerPoint;
    const int32_t step = rx.ScopeSTAT().StepFreq();
    ASSERT_GT(p, 0);
    QTest::mouseClick(&scope.display(), Qt::LeftButton, {}, QPoint(200 + 3 * p, 40));
    EXPECT_EQ(rx.Frequency(), 145000000 + 3 * step);
    QTest::mouseClick(&scope.display(), Qt::LeftButton, {}, QPoint(200 - 3 * p, 40));
    EXPECT_EQ(rx.Frequency(), 145000000);
    // A right click and a click with the scope off do nothing.
    QTest::mouseClick(&scope.display(), Qt::RightButton, {}, QPoint(200 + 3 * p, 40));
    EXPECT_EQ(rx.Frequency(), 145000000);
}

TEST_F(ScopeWindow, AClickOutsideTheBandsStopsTheScanButDoesNotTune) {
    press(1);
    ticks(6);
    rx.setFrequency(1);  // the lowest frequency: a click left of it leaves every band
    setRow(1, 145000000, 146000000);
    ASSERT_TRUE(scan.scan_start(1, frmSCANctrl::kProgramTrue));
    rx.setFrequency(1);
    QTest::mouseClick(&scope.display(), Qt::LeftButton, {}, QPoint(10, 40));
    EXPECT_EQ(rx.Frequency(), 1);
    EXPECT_EQ(scan.scanning(), 0);
}

TEST_F(ScopeWindow, KeyboardKeysGoToTheTuningPanel) {
    RecordingTuner tuner;
    scope.setModeTuningPanel(&tuner);
    QTest::keyClick(&scope, Qt::Key_Down);
    ASSERT_EQ(tuner.keys.size(), 1u);
    EXPECT_EQ(tuner.keys[0].first, 40);
}

TEST_F(ScopeWindow, ClosingAsksTheMainWindowToHideIt) {
    scope.close();
    EXPECT_TRUE(scope.isVisible());
    EXPECT_EQ(owner.words, std::vector<std::string>{"SCOPE"});
}

TEST_F(ScopeWindow, Screenshots) {
    press(1);
    ticks(6);
    for (int t = 0; t < 12; ++t) {
        sweep(128 + rx.ScopeSTAT().PointsPerSide() / 2);
        scope.Task_exec();
    }
    EXPECT_TRUE(test::saveScreenshot(scope, "scope-sweeping"));
    press(3);  // pause, then retune two steps up: the marker moves right of the centre
    rx.setFrequency(145000000 + 2 * rx.ScopeSTAT().StepFreq());
    ticks(3);
    ASSERT_TRUE(scope.display().marker().has_value());
    EXPECT_EQ(*scope.display().marker(), 200 + 2 * scope.view().spacing().pixPerPoint);
    EXPECT_TRUE(test::saveScreenshot(scope, "scope-paused-marker"));
    rx.setPower(0);
    ticks(1);
    EXPECT_TRUE(scope.powerOffCover().isVisible());
}

}  // namespace
}  // namespace corvell
