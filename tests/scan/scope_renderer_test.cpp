// The scope drawing and click rules on both picture sizes: bar places, click offsets that round
// down on both sides of the centre, the marker worked out without overflow, and the pixels of a
// drawn sweep (the tallest bar reaches the top row; the scale stays visible under the bars).
#include <gtest/gtest.h>

#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "core/frmScopeCtrl.h"
#include "scan/ScopeActions.h"
#include "scan/ScopeRenderer.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

struct ClickCase {
    int pix;
    int dx;  // click column minus the centre column
    int64_t points;
};

// A click d pixels left of the centre goes exactly as far down as d pixels right goes up.
const ClickCase kClicks[] = {
    {1, 3, 3},   {1, -3, -3}, {1, 0, 0},   {2, 1, 0},  {2, -1, -1},  {2, 2, 1},
    {2, -2, -1}, {2, 5, 2},   {2, -5, -3}, {4, 17, 4}, {4, -17, -4}, {4, 2, 1},
    {4, -2, 0},  {4, 1, 0},   {4, -3, -1}, {4, 6, 2},  {4, -6, -1},
};

TEST(ScopeClick, OffsetsRoundDownOnBothSidesOnEveryGeometry) {
    for (const ScopeGeometry& g : {kScopeWindowGeometry, kScopePaneGeometry}) {
        for (const ClickCase& c : kClicks) {
            EXPECT_EQ(scopeClickOffset(g, g.centreX + c.dx, c.pix), c.points)
                << "pixels per point " << c.pix << ", " << c.dx << " px from the centre of "
                << g.width;
        }
    }
}

TEST(ScopeClick, PointsAtTheSameDistanceEitherSideAreMirrorImages) {
    // For every spacing, the click on a bar's centre selects that bar, on both sides.
    for (int p : {1, 2, 4}) {
        for (int k = -10; k <= 10; ++k) {
            const int x = kScopeWindowGeometry.centreX + p * k;
            EXPECT_EQ(scopeClickOffset(kScopeWindowGeometry, x, p), k) << p << " " << k;
        }
    }
}

TEST(ScopeMarkerColumn, WorkedOutIn64Bits) {
    const ScopeGeometry& g = kScopeWindowGeometry;
    // Two steps above the frozen centre at 4 pixels per point.
    EXPECT_EQ(scopeMarkerColumn(g, 145010000, 145000000, 5000, 4, 160), 208);
    EXPECT_EQ(scopeMarkerColumn(g, 144990000, 145000000, 5000, 4, 160), 192);
    // 4 x (2^30 + 250) wraps to 1000 in 32 bits and would put the line next to the centre.
    EXPECT_EQ(scopeMarkerColumn(g, 1073742074, 0, 1000, 4, 160), std::nullopt);
    EXPECT_EQ(scopeMarkerColumn(g, 145000000, 145000000, 0, 4, 160), std::nullopt);
    EXPECT_EQ(scopeMarkerColumn(kScopePaneGeometry, 145010000, 145000000, 5000, 1, 100), 102);
}

TEST(ScopeBars, PlacesAndTopsFollowTheGeometry) {
    const ScopeGeometry& g = kScopeWindowGeometry;
    EXPECT_EQ(scopeBar(g, 128, 1).x, 200);
    EXPECT_EQ(scopeBar(g, 28, 2).x, 0);
    EXPECT_EQ(scopeBar(g, 228, 2).x, 400);
    EXPECT_EQ(scopeBar(g, 229, 2).x, 402);  // polled one past the picture
    EXPECT_EQ(scopeBar(g, 129, 4).x, 203);
    EXPECT_EQ(scopeBar(g, 129, 4).width, 3);
    EXPECT_EQ(scopeBarTop(g, 240), -1);
    EXPECT_EQ(scopeBarTop(g, 120), 44);
    EXPECT_EQ(scopeBarTop(kScopePaneGeometry, 240), -1);
    EXPECT_EQ(scopeBarTop(kScopePaneGeometry, 120), 29);
}

struct EdgeCase {
    const ScopeGeometry* g;
    int pix;     // pixels per point the sweep settings work out
    int points;  // points either side of the centre
    int fitted;  // pixels per point the view draws with
};

// A bar is centred on its point, so a spacing that fills the whole half width would put half of
// each outermost bar outside the picture; the view draws with the widest spacing that fits.
const EdgeCase kEdges[] = {
    {&kScopeWindowGeometry, 10, 20, 9},   {&kScopeWindowGeometry, 20, 10, 19},
    {&kScopeWindowGeometry, 8, 25, 7},    {&kScopeWindowGeometry, 4, 50, 3},
    {&kScopeWindowGeometry, 4, 40, 4},    {&kScopeWindowGeometry, 2, 100, 2},
    {&kScopeWindowGeometry, 100, 0, 100}, {&kScopePaneGeometry, 5, 20, 4},
    {&kScopePaneGeometry, 2, 50, 2},      {&kScopePaneGeometry, 1, 100, 1},
};

TEST(ScopeBars, EveryPointOfTheSweepLiesWholeInsideThePicture) {
    for (const EdgeCase& c : kEdges) {
        const int p = scopeFittedPixPerPoint(*c.g, c.pix, c.points);
        EXPECT_EQ(p, c.fitted) << c.pix << " px x " << c.points << " points on " << c.g->width;
        for (int i = 128 - c.points; i <= 128 + c.points; ++i) {
            const ScopeBar b = scopeBar(*c.g, i, p);
            EXPECT_GE(b.x, 0) << "point " << i << " of " << c.points;
            EXPECT_LE(b.x + b.width, c.g->width) << "point " << i << " of " << c.points;
        }
    }
}

TEST(ScopeLabelText, StepHasOneOrTwoDecimals) {
    EXPECT_EQ(scopeStepText(5000), "5.0k");
    EXPECT_EQ(scopeStepText(6250), "6.25k");
    EXPECT_EQ(scopeStepText(12500), "12.5k");
    EXPECT_EQ(scopeStepText(100000), "100.0k");
}

class ScopeSweep : public ScanTest {
  protected:
    ScopeSweep() {
        clsScopeSTAT& stat = rx.ScopeSTAT();
        stat.setPixPerPoint(2);
        stat.setPointsPerSide(100);
        stat.setPointsRaw(100);
        stat.setUsedPixels(200);
        stat.setStepFreq(1000);
        stat.setRangeSelectNo(0);  // 25 kHz either side: edges at 50 px
        data().setMode(1);
    }
    clsScopeDATA& data() { return rx.ScopeDATA(); }
    // Draws everything that changed (the first update after a retune only notes the frequency).
    void drawAll(ScopeView& view) {
        view.update(data(), rx.ScopeSTAT(), rx.Frequency(), false);
        view.update(data(), rx.ScopeSTAT(), rx.Frequency(), false);
    }
};

TEST_F(ScopeSweep, TheTallestLevelReachesTheTopRowAtItsColumn) {
    ScopeView view(kScopeWindowGeometry);
    view.takeSpacing(rx.ScopeSTAT());
    view.drawScale(rx.ScopeSTAT(), false);
    for (int i = 28; i <= 228; ++i) data().setSCOPE_buff(i, static_cast<int16_t>(20 + i % 50));
    data().setSCOPE_buff(150, 255);  // above 240: drawn as 240
    drawAll(view);
    EXPECT_EQ(data().SCOPE_ChangeCount(), 0);
    const QImage& img = view.buffer();
    const int peak = 200 + 2 * (150 - 128);
    EXPECT_EQ(img.pixel(peak, 0), scopecolour::kBar);
    for (int x = 0; x < img.width(); ++x) {
        if (x != peak) {
            EXPECT_NE(img.pixel(x, 0) & 0x00ffff, 0x00ffffu) << "column " << x;
        }
    }
    // A level of 20 + 10 at index 160 reaches 90 - round(30 x 91 / 240) = 79.
    const int x160 = 200 + 2 * 32;
    EXPECT_EQ(view.wave().pixel(x160, 79), scopecolour::kBar);
    EXPECT_EQ(view.wave().pixel(x160, 78), scopecolour::kBlack);
    // The gap column between two bars stays empty.
    EXPECT_EQ(view.wave().pixel(x160 + 1, 89), scopecolour::kBlack);
}

TEST_F(ScopeSweep, ACarrierAtEitherEdgeOfTheSpanIsDrawnWhole) {
    // 200 kHz either side in 10 kHz steps: 20 points, 10 px each by the sweep settings.
    rx.setFrequency(145000000);
    rx.TSbase().setTsname("10kHz");
    rx.ScopeSTAT().setRangeSelectNo(3);
    ScopeView view(kScopeWindowGeometry);
    ScopeOn(rx, view);
    ASSERT_EQ(rx.ScopeSTAT().PointsPerSide(), 20);
    ASSERT_EQ(rx.ScopeSTAT().PixPerPoint(), 10);
    const int p = view.spacing().pixPerPoint;
    data().setSCOPE_buff(128 - 20, 200);
    data().setSCOPE_buff(128 + 20, 200);
    drawAll(view);
    int columns = 0;
    int rightmost = -1;
    for (int x = 0; x < view.wave().width(); ++x) {
        if (view.wave().pixel(x, 89) == scopecolour::kBar) {
            ++columns;
            rightmost = x;
        }
    }
    EXPECT_EQ(columns, 2 * (p - 1)) << "two bars of " << p - 1 << " columns";
    EXPECT_EQ(rightmost, scopeBar(view.geometry(), 148, p).x + p - 2);
    // The span edges sit on the outermost points.
    EXPECT_EQ(view.buffer().pixel(200 + 20 * p, 5), scopecolour::kEdge);
}

TEST_F(ScopeSweep, TheOrKeepsTheGridUnderTheWave) {
    ScopeView view(kScopeWindowGeometry);
    view.takeSpacing(rx.ScopeSTAT());
    view.drawScale(rx.ScopeSTAT(), false);
    data().setSCOPE_buff(128, 240);  // the tuned point, yellow
    data().setSCOPE_buff(140, 240);
    drawAll(view);
    const QImage& img = view.buffer();
    // Level line at row 74 on an empty bar place: the grid alone.
    EXPECT_EQ(img.pixel(200 + 2 * 20, 74), scopecolour::kGrid);
    // On a bar: bar OR grid.
    EXPECT_EQ(img.pixel(200 + 2 * 12, 74), scopecolour::kBar | scopecolour::kGrid);
    // The centre line under the yellow bar, and the span edge 50 px right of the centre.
    EXPECT_EQ(img.pixel(200, 50), scopecolour::kCentreBar | scopecolour::kCentre);
    EXPECT_EQ(img.pixel(250, 5), scopecolour::kEdge);
    // Mode 0 erases every bar.
    data().setMode(0);
    data().setSCOPE_buff(140, 100);
    drawAll(view);
    EXPECT_EQ(view.wave().pixel(200 + 2 * 12, 89), scopecolour::kBlack);
    EXPECT_EQ(view.buffer().pixel(200 + 2 * 20, 74), scopecolour::kGrid);
}

TEST_F(ScopeSweep, NothingIsReadOrDrawnOutsideTheBuffersWithAbsurdGeometry) {
    ScopeView view(kScopePaneGeometry);
    clsScopeSTAT& stat = rx.ScopeSTAT();
    stat.setPointsPerSide(32767);
    stat.setPixPerPoint(32767);
    stat.setStepFreq(1);
    view.takeSpacing(stat);
    for (int i = 0; i < clsScopeDATA::kPoints; ++i) data().setSCOPE_buff(i, 200);
    view.drawScale(stat, false);
    drawAll(view);
    EXPECT_EQ(data().SCOPE_ChangeCount(), 0);
    EXPECT_GE(view.updateCursor(), 0);
    EXPECT_LT(view.updateCursor(), clsScopeDATA::kPoints);
}

TEST_F(ScopeSweep, TwoViewsKeepTheirOwnGeometryAndChangedPoints) {
    ScopeView window(kScopeWindowGeometry);
    ScopeView pane(kScopePaneGeometry);
    EXPECT_EQ(window.buffer().size(), QSize(401, 91));
    EXPECT_EQ(pane.buffer().size(), QSize(201, 60));
    rx.setFrequency(145000000);
    rx.TSbase().setTsname("5kHz");
    rx.ScopeSTAT().setRangeSelectNo(3);  // 200 kHz either side: 40 points
    ScopeOn(rx, pane);
    ScopeSetup(rx, window);  // the window runs its geometry last
    ASSERT_NE(rx.ScopeCtrl().ActMode(), 0);
    EXPECT_EQ(window.spacing().pixPerPoint, 4);
    EXPECT_EQ(pane.spacing().pixPerPoint, 2);
    EXPECT_EQ(rx.ScopeSTAT().PixPerPoint(), 4);
    // A click two bars right of the pane's centre tunes two steps up on the pane's spacing,
    // not one on the window's.
    ASSERT_TRUE(ScopeClickToTune(rx, pane, 1, 100 + 2 * 2));
    EXPECT_EQ(rx.Frequency(), 145010000);
    ASSERT_TRUE(ScopeClickToTune(rx, window, 1, 200 - 2 * 4));
    EXPECT_EQ(rx.Frequency(), 145000000);
    // A point drawn by one view marks only that view's picture changed.
    window.pictureChanged = pane.pictureChanged = false;
    data().setSCOPE_buff(130, 100);
    window.update(data(), rx.ScopeSTAT(), rx.Frequency(), false);
    window.update(data(), rx.ScopeSTAT(), rx.Frequency(), false);
    EXPECT_TRUE(window.pictureChanged);
    EXPECT_FALSE(pane.pictureChanged);
    EXPECT_NE(window.updateCursor(), pane.updateCursor());
}

TEST_F(ScopeSweep, AClickWhileBlankOrOffOrWithTheRightButtonDoesNothing) {
    ScopeView view(kScopeWindowGeometry);
    rx.setFrequency(145000000);
    ScopeSetup(rx, view);
    data().setMode(0);
    ScopeSetup(rx, view);
    EXPECT_FALSE(ScopeClickToTune(rx, view, 1, 260));
    ScopeOn(rx, view);
    EXPECT_FALSE(ScopeClickToTune(rx, view, 2, 260));
    rx.setBlank(1);
    EXPECT_FALSE(ScopeClickToTune(rx, view, 1, 260));
}

}  // namespace
}  // namespace corvell
