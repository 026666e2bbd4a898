// The heartbeat pacing of a scope view over scripted tick sequences (reset after hiding, set-up
// five ticks later, updates at the redraw period, paints on multiples of three, the settle cap,
// a watched setting's change), and two views that each draw every change whichever reads first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "scan/ScopePacing.h"
#include "scan/ScopeRenderer.h"
#include "tests/scan/ScanFixture.h"

namespace corvell {
namespace {

class RecordingPacedView : public ScopePacedView {
  public:
    std::vector<std::string> log;
    int nextPeriod = -1;
    bool pending = false;

    void ScopeReset() override { log.push_back("reset"); }
    void ScopeSetup() override { log.push_back("setup"); }
    int ScopeUpdate() override {
        log.push_back("update");
        return nextPeriod;
    }
    void ScopePaint() override { log.push_back("paint"); }
    void ScopeCheckParam() override { log.push_back("check"); }
    bool paintPending() const override { return pending; }
    void clearPaintPending() override { pending = false; }
};

struct Tick {
    bool visible;
    bool linked;
    std::vector<std::string> expected;
};

TEST(ScopePacing, AScriptedSequenceOfTicks) {
    ScopePacing pacing;
    RecordingPacedView view;
    ScopeWatched watched{"20kHz", 5, 0, 0, 0, 1};
    // The first update after load sees the settings as new: run it through once.
    auto run = [&](const std::vector<Tick>& script) {
        int n = 0;
        for (const Tick& t : script) {
            SCOPED_TRACE(n++);
            view.log.clear();
            if (t.visible) {
                pacing.visibleTick(t.linked, watched, view);
            } else {
                pacing.hiddenTick();
            }
            EXPECT_EQ(view.log, t.expected);
        }
    };
    using V = std::vector<std::string>;
    run({
        {false, true, V{}},                           // hidden: reset kept pending
        {true, false, V{"reset"}},                    // shown, not linked: reset only
        {true, false, V{}},                           // still not linked: nothing paced
        {true, true, V{}},                            // settle 1, ticks 1
        {true, true, V{}},                            // 2
        {true, true, V{}},                            // 3
        {true, true, V{}},                            // 4
        {true, true, V{"setup", "update", "check"}},  // 5: set up; 250 ms: update; all new
        {true, true, V{"reset"}},                     // the change resets on the next tick
    });
    // From the change the settle count runs 1.. again: set-up 5 ticks after it.
    view.pending = true;
    run({
        {true, true, V{}},
        {true, true, V{}},
        {true, true, V{}},
        {true, true, V{"setup", "update"}},  // settle 5, ticks 5: not a multiple of 3
    });
    EXPECT_TRUE(view.pending);
    view.nextPeriod = 0;  // points came in: update on every tick from now on
    run({
        {true, true, V{}},                   // settle 6..9: ticks 1..4 of the old 250 ms
        {true, true, V{}},                   //
        {true, true, V{}},                   //
        {true, true, V{}},                   //
        {true, true, V{"update"}},           // settle 10: update, the period becomes 0
        {true, true, V{"update"}},           // 11
        {true, true, V{"update", "paint"}},  // 12: a multiple of 3 with a paint pending
        {true, true, V{"update"}},           // 13: nothing pending any more
    });
}

TEST(ScopePacing, SettleCapAndPaintsOnMultiplesOfThree) {
    ScopePacing pacing;
    RecordingPacedView view;
    ScopeWatched watched;
    pacing.period = 0;  // update on every tick
    std::vector<int> paintedAt;
    for (int tick = 1; tick <= 200; ++tick) {
        view.log.clear();
        view.pending = true;
        pacing.visibleTick(true, watched, view);
        for (const std::string& e : view.log) {
            if (e == "paint") paintedAt.push_back(pacing.settle());
        }
        ASSERT_LE(pacing.settle(), 150);
    }
    for (int settle : paintedAt) EXPECT_EQ(settle % 3, 0);
    // 150 then 151 -> 120: the count keeps moving, so paints keep coming.
    EXPECT_GT(paintedAt.size(), 60u);
    // A hidden tick holds the count at 0 and a reset comes on the next visible tick.
    pacing.hiddenTick();
    EXPECT_EQ(pacing.settle(), 0);
    view.log.clear();
    pacing.visibleTick(false, watched, view);
    EXPECT_EQ(view.log, (std::vector<std::string>{"reset"}));
}

TEST(ScopePacing, AWatchedSettingChangeResetsAndSetsUpFiveTicksLater) {
    ScopePacing pacing;
    RecordingPacedView view;
    ScopeWatched watched;
    pacing.period = 0;
    for (int i = 0; i < 10; ++i) pacing.visibleTick(true, watched, view);
    for (auto change :
         {+[](ScopeWatched& w) { w.tsname = "12.5kHz"; }, +[](ScopeWatched& w) { w.mode = 2; },
          +[](ScopeWatched& w) { w.blank = 1; }, +[](ScopeWatched& w) { w.tsLimit = 1; },
          +[](ScopeWatched& w) { w.tsHalf = 1; }, +[](ScopeWatched& w) { w.wfmMoni = 1; }}) {
        change(watched);
        view.log.clear();
        pacing.visibleTick(true, watched, view);
        EXPECT_EQ(view.log.back(), "check");
        EXPECT_EQ(pacing.settle(), 0);
        int setupAt = 0;
        for (int t = 1; t <= 6; ++t) {
            view.log.clear();
            pacing.visibleTick(true, watched, view);
            if (t == 1) {
                EXPECT_EQ(view.log.front(), "reset");
            }
            for (const std::string& e : view.log) {
                if (e == "setup") setupAt = t;
            }
        }
        EXPECT_EQ(setupAt, 5);
    }
}

// Two views over one buffer: whichever reads a changed point first, the other still draws it.
class TwoViews : public ScanTest {};

TEST_F(TwoViews, EachViewDrawsEveryChangeWhicheverReadsFirst) {
    clsScopeSTAT& stat = rx.ScopeSTAT();
    clsScopeDATA& data = rx.ScopeDATA();
    data.setMode(1);
    ScopeView window(kScopeWindowGeometry);
    ScopeView pane(kScopePaneGeometry);
    pane.applyGeometry(stat, data);
    const ScopeSpacing paneFit = pane.spacing();
    window.applyGeometry(stat, data);
    const ScopeSpacing windowFit = window.spacing();
    ASSERT_GT(windowFit.pixPerPoint, paneFit.pixPerPoint);
    EXPECT_EQ(pane.spacing().pixPerPoint, paneFit.pixPerPoint) << "the pane keeps its own fit";
    data.setSCOPE_buff(130, 200);
    // The first update of each view only notes the tuned frequency; the second draws.
    EXPECT_EQ(window.update(data, stat, rx.Frequency(), false), 200);
    EXPECT_EQ(window.update(data, stat, rx.Frequency(), false), 0);
    EXPECT_EQ(data.SCOPE_ChangeCount(), 0) << "the window read the point and cleared its flag";
    EXPECT_EQ(pane.update(data, stat, rx.Frequency(), false), 200);
    EXPECT_EQ(pane.update(data, stat, rx.Frequency(), false), 0);
    const ScopeBar wb = scopeBar(kScopeWindowGeometry, 130, windowFit.pixPerPoint);
    const ScopeBar pb = scopeBar(kScopePaneGeometry, 130, paneFit.pixPerPoint);
    EXPECT_EQ(window.wave().pixel(wb.x, 89), scopecolour::kBar);
    EXPECT_EQ(pane.wave().pixel(pb.x, 58), scopecolour::kBar);
    // A level above 240 is clipped to the pane's top row; nothing is drawn outside it.
    data.setSCOPE_buff(131, 255);
    pane.update(data, stat, rx.Frequency(), false);
    const ScopeBar tall = scopeBar(kScopePaneGeometry, 131, paneFit.pixPerPoint);
    EXPECT_EQ(pane.wave().pixel(tall.x, 0), scopecolour::kBar);
    EXPECT_EQ(pane.wave().size(), QSize(201, 60));
}

}  // namespace
}  // namespace corvell
