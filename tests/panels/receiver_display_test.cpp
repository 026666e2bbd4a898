// The receiver panel's display rules as tables: lamp ids, knob angles and mark end points, dial
// positions and marker corners, the needle's geometry and tips, and the level rule's tops.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "panels/common/LevelRule.h"
#include "panels/receiver/ReceiverDisplay.h"
#include "panels/receiver/ReceiverKeys.h"
#include "panels/receiver/ReceiverLogic.h"

namespace corvell::panels {
namespace {

TEST(ReceiverDisplay, ModeLampFilterBarBusyLampAndCentreMeter) {
    EXPECT_EQ(ModeLampId(true, 5), -1);
    const std::pair<int32_t, int16_t> modes[] = {{0, 3104}, {1, 3103}, {2, 3023}, {3, 3116},
                                                 {5, 3100}, {6, 3099}, {4, 3100}, {99, 3100}};
    for (auto [mode, id] : modes) EXPECT_EQ(ModeLampId(false, mode), id) << mode;
    const std::pair<int32_t, int16_t> filters[] = {{0, 3109}, {1, 3108}, {2, 3107},
                                                   {3, 3106}, {4, 3105}, {-1, 3105}};
    for (auto [filter, id] : filters) EXPECT_EQ(FilterBarId(false, filter), id) << filter;
    EXPECT_EQ(FilterBarId(true, 0), 0);

    struct Busy {
        int32_t busy, rxerr;
        bool blank;
        int32_t frequency;
        int state;
        int16_t id;
    };
    for (const Busy& c : {Busy{0, 0, false, 145000000, 1, 0}, Busy{1, 0, false, 145000000, 2, 3098},
                          Busy{1, 1, false, 145000000, 3, 3097}, Busy{0, 1, true, 145000000, 1, 0},
                          Busy{1, 1, false, 0, 2, 3098}}) {
        EXPECT_EQ(BusyLampState(c.busy, c.rxerr, c.blank, c.frequency), c.state);
        EXPECT_EQ(BusyLampId(c.state), c.id);
    }

    struct Centre {
        int32_t mode, filter, rxerr;
        bool blank;
        int32_t cmeter;
        int16_t id;
    };
    for (const Centre& c : {Centre{5, 1, 0, false, 127, 3094}, Centre{5, 2, 0, false, 128, 3095},
                            Centre{5, 2, 0, false, 129, 3096}, Centre{2, 2, 0, false, 128, 0},
                            Centre{5, 3, 0, false, 128, 0}, Centre{5, 2, 1, false, 128, 0},
                            Centre{5, 2, 1, true, 200, 3096}}) {
        EXPECT_EQ(CentreMeterId(c.mode, c.filter, c.rxerr, c.blank, c.cmeter), c.id)
            << c.mode << " " << c.filter << " " << c.cmeter;
    }
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(49), "49");
}

TEST(ReceiverDisplay, KnobAnglesAndMarkEndPoints) {
    const std::pair<int32_t, int32_t> angles[] = {{0, -240}, {255, 46}, {128, -97}, {134, -90}};
    for (auto [level, angle] : angles) EXPECT_EQ(KnobAngle(level), angle) << level;
    // Scan speed runs the other way: 100 (fast) sits where AF gain 0 does.
    EXPECT_EQ(ScanSpeedLevel(100), 0);
    EXPECT_EQ(ScanSpeedLevel(0), 255);
    EXPECT_EQ(ScanSpeedLevel(50), 128);  // 127.5 rounds to even
    EXPECT_EQ(ScanDelayLevel(100), 255);
    EXPECT_EQ(ScanDelayLevel(50), 128);
    // The AF gain knob (image 7 at 550, 169, 34 x 34) turns about 567, 186.
    const RxImage* knob = FindReceiverImage(7);
    ASSERT_NE(knob, nullptr);
    const int cx = KnobCentre(knob->x, knob->width);
    const int cy = KnobCentre(knob->y, knob->height);
    EXPECT_EQ(cx, 567);
    EXPECT_EQ(cy, 186);
    EXPECT_EQ(KnobMark(cx, cy, -240), (Line{564, 191, 563, 193}));  // lower left
    EXPECT_EQ(KnobMark(cx, cy, 46), (Line{571, 190, 573, 192}));    // lower right
    EXPECT_EQ(KnobMark(cx, cy, -90), (Line{567, 180, 567, 178}));   // straight up
}

TEST(ReceiverDisplay, DialPositionsWrapAt200AndTheMarkerCircles) {
    int32_t p = TurnDialPosition(0, 1);
    EXPECT_EQ(p, 10);
    for (int i = 0; i < 20; ++i) p = TurnDialPosition(p, 1);
    EXPECT_EQ(p, 10);
    EXPECT_EQ(TurnDialPosition(0, -1), 190);
    EXPECT_EQ(TurnDialPosition(190, 1), 0);
    EXPECT_EQ(DialAngle(10), 18);
    EXPECT_EQ(DialAngle(190), 342);
    struct Mark {
        int angle;
        double left, top;
    };
    for (const Mark& m :
         {Mark{0, 412, 166}, Mark{90, 383, 195}, Mark{180, 354, 166}, Mark{270, 383, 137}}) {
        const PointF at = DialMarkAt(m.angle);
        EXPECT_NEAR(at.x, m.left, 1e-3) << m.angle;
        EXPECT_NEAR(at.y, m.top, 1e-3) << m.angle;
        // The 33 x 27 marker's centre is 29 px from the dial's centre (399.5, 179.5).
        EXPECT_NEAR(std::hypot(at.x + 16.5 - 399.5, at.y + 13.5 - 179.5), 29, 1e-3);
    }
}

TEST(ReceiverDisplay, NeedleGeometryAndTips) {
    const NeedleGeometry g = NeedleFor(97, 44);
    EXPECT_EQ(g, (NeedleGeometry{57, 48, 66}));
    struct Tip {
        int32_t level;
        Point tip;
    };
    for (const Tip& t : {Tip{0, {10, 24}}, Tip{255, {86, 24}}, Tip{128, {48, 9}}}) {
        EXPECT_EQ(NeedleTip(g, t.level), t.tip) << t.level;
    }
    // Both ends sit 47.7 degrees above the horizontal, mirrored about the pivot.
    const Point low = NeedleTip(g, 0);
    EXPECT_NEAR(std::atan2(g.pivotY - low.y, g.pivotX - low.x) * 180 / M_PI, 47.7, 1.5);
}

TEST(ReceiverDisplay, LevelRuleTops) {
    struct Case {
        int32_t value, below, top, up, down;
    };
    for (const Case& c : {Case{245, 250, 250, 250, 240}, Case{248, 250, 250, 253, 243},
                          Case{252, 250, 250, 250, 247}, Case{252, 250, 255, 255, 247},
                          Case{248, 250, 255, 253, 243}, Case{94, 95, 100, 99, 89},
                          Case{95, 95, 100, 100, 90}, Case{3, 95, 100, 8, 0}}) {
        EXPECT_EQ(LevelUp(c.value, c.below, c.top), c.up) << c.value << "/" << c.top;
        EXPECT_EQ(LevelDown(c.value), c.down) << c.value;
    }
}

// The marks drawn and the knobs turned are the same images: exactly the rows with a knob
// direction, each a level action, and only the scan speed raised by the left button.
TEST(ReceiverKeys, TheKnobMarksAreTheRowsWithAKnobDirection) {
    std::vector<int> knobRows;
    for (const RxImage& image : ReceiverImages()) {
        if (image.knob == RxKnob::None) continue;
        knobRows.push_back(image.index);
        EXPECT_EQ(image.when, RxWhen::Every) << image.index;
        EXPECT_EQ(image.knob == RxKnob::LeftRaises, image.action == RxAction::ScanSpeed)
            << image.index;
    }
    std::vector<int> marks(ReceiverLogic::kKnobImages.begin(), ReceiverLogic::kKnobImages.end());
    std::sort(knobRows.begin(), knobRows.end());
    std::sort(marks.begin(), marks.end());
    EXPECT_EQ(knobRows, marks);
}

TEST(ReceiverKeys, EveryKeyOfTheDispatcherAtItsPlace) {
    int keys = 0;
    for (const RxImage& image : ReceiverImages()) keys += image.action != RxAction::None ? 1 : 0;
    EXPECT_EQ(keys, 50);  // 1, 3, 4, 7..46, 50, 88..93: the rows of the dispatcher's table
    // A click at (470, 80) lands on the DP key, at (470, 82) on MCH.
    auto hit = [](int x, int y) {
        for (const RxImage& image : ReceiverImages()) {
            if (image.action == RxAction::None) continue;
            if (x >= image.x && x < image.x + image.width && y >= image.y &&
                y < image.y + image.height) {
                return image.index;
            }
        }
        return 0;
    };
    EXPECT_EQ(hit(470, 80), 21);
    EXPECT_EQ(hit(470, 82), 23);
    for (int none : {2, 5, 6, 47, 48, 49, 51, 75, 76, 77, 81}) {
        EXPECT_EQ(FindReceiverImage(none), nullptr) << none;
    }
    EXPECT_EQ(ReceiverRepeatTime1st(7), 150);
    EXPECT_EQ(ReceiverRepeatTime2nd(88), 50);
    EXPECT_EQ(ReceiverRepeatTime1st(50), 300);
    EXPECT_EQ(ReceiverRepeatTime2nd(1), 200);
}

}  // namespace
}  // namespace corvell::panels
