#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/ManualHoldEnvironment.h"
#include "ui/ImageHotZone.h"
#include "ui/clsImgRepeat.h"

namespace corvell::ui {
namespace {

// An owner that records each callback with the widget's state and the time it came.
class Recorder : public ImgRepeatOwner {
  public:
    struct Call {
        std::string what;
        uint32_t at;
        int index, stat, count;
    };
    clsImgRepeat* widget = nullptr;
    test::ManualHoldEnvironment* env = nullptr;
    std::vector<Call> calls;
    std::function<void()> onExec;

    void imgRepeat_exec() override {
        record("exec");
        if (onExec) onExec();
    }
    void imgRepeat_disp() override { record("disp"); }

    std::vector<uint32_t> execTimes() const {
        std::vector<uint32_t> times;
        for (const Call& c : calls) {
            if (c.what == "exec") times.push_back(c.at);
        }
        return times;
    }
    int count(const std::string& what) const {
        int n = 0;
        for (const Call& c : calls) n += c.what == what;
        return n;
    }

  private:
    void record(const std::string& what) {
        calls.push_back(
            {what, env->now, widget->RepeatIndex(), widget->RepeatStat(), widget->RepeatCount()});
    }
};

class ImgRepeatTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(200, 100);
        image = new QWidget(&window);
        image->setGeometry(40, 20, 27, 15);
        window.show();
        owner.widget = &repeat;
        owner.env = &env;
        repeat.setObjForm(&owner);
        env.cursor = image->mapToGlobal(QPoint(5, 5));
        env.now = 10'000;
    }

    // A left press in the middle of image 9, at the environment's time.
    void pressLeft(int16_t index = 9) { repeat.MouseDown(image, index, 1, 0, 75, 75); }

    std::vector<uint32_t> relative(const std::vector<uint32_t>& times) const {
        std::vector<uint32_t> out;
        for (uint32_t t : times) out.push_back(t - 10'000);
        return out;
    }

    test::ManualHoldEnvironment env;
    clsImgRepeat repeat{&env};
    Recorder owner;
    QWidget window;
    QWidget* image = nullptr;
};

TEST_F(ImgRepeatTest, HoldFiresAtThePressAfterTheFirstTimeThenAtEverySecondTime) {
    pressLeft();
    ASSERT_EQ(owner.calls.size(), 1u);
    EXPECT_EQ(owner.calls[0].index, 9);
    EXPECT_EQ(owner.calls[0].stat, 1);
    EXPECT_EQ(owner.calls[0].count, 0);
    EXPECT_EQ(repeat.RepeatTime(), 300);

    env.advance(300);
    EXPECT_EQ(owner.calls.size(), 1u);  // the first repeat comes only once 300 ms have passed
    EXPECT_EQ(repeat.RepeatStat(), 1);
    env.advance(1);
    ASSERT_EQ(owner.calls.size(), 2u);
    EXPECT_EQ(owner.calls[1].stat, 2);
    EXPECT_EQ(owner.calls[1].count, 1);
    EXPECT_EQ(repeat.RepeatTime(), 100);

    env.advance(400);
    EXPECT_EQ(relative(owner.execTimes()), (std::vector<uint32_t>{0, 301, 401, 501, 601, 701}));
    EXPECT_EQ(owner.calls.back().count, 5);
    EXPECT_EQ(owner.count("disp"), 0);
}

TEST_F(ImgRepeatTest, TimesSetBeforeThePressAndFromTheOwnerDuringItTakeEffect) {
    repeat.setRepeatTime1st(150);
    repeat.setRepeatTime2nd(50);
    owner.onExec = [&] {
        if (repeat.RepeatCount() >= 2) repeat.setRepeatTime(20);  // a dial speeding up
    };
    pressLeft();
    env.advance(300);
    EXPECT_EQ(relative(owner.execTimes()),
              (std::vector<uint32_t>{0, 151, 201, 221, 241, 261, 281}));
    // The end of the press restores the defaults.
    env.leftDown = false;
    env.advance(25);
    EXPECT_EQ(repeat.RepeatTime1st(), 300);
    EXPECT_EQ(repeat.RepeatTime2nd(), 100);
    EXPECT_EQ(repeat.RepeatTime(), 0);
}

TEST_F(ImgRepeatTest, RepeatTimesOfASecondAndMoreStillFire) {
    repeat.setRepeatTime1st(1500);
    repeat.setRepeatTime2nd(2000);
    pressLeft();
    env.advance(6000);
    EXPECT_EQ(relative(owner.execTimes()), (std::vector<uint32_t>{0, 1501, 3501, 5501}));
}

TEST_F(ImgRepeatTest, AfterAStallOfMoreThanASecondTheTimingRestartsInsteadOfABurst) {
    pressLeft();
    env.advance(450);  // firings at 0, 301, 401
    ASSERT_EQ(owner.count("exec"), 3);
    env.stall(1200);
    env.wakeNow();
    EXPECT_EQ(owner.count("exec"), 3);
    const uint32_t restart = env.now;
    env.advance(101);
    ASSERT_EQ(owner.count("exec"), 4);
    EXPECT_EQ(owner.execTimes().back(), restart + 101);
}

TEST_F(ImgRepeatTest, CatchUpFiresOncePerCheckForTenRepeatsThenUpToFiftyMsWorth) {
    repeat.setRepeatTime2nd(20);
    pressLeft();
    env.advance(301);
    ASSERT_EQ(repeat.RepeatCount(), 1);
    env.stall(200);  // ten repeats late
    env.wakeNow();
    EXPECT_EQ(repeat.RepeatCount(), 2);  // below ten repeats: one per check
    while (repeat.RepeatCount() < 10) env.wakeNow();
    env.stall(200);
    const int before = repeat.RepeatCount();
    env.wakeNow();
    EXPECT_EQ(repeat.RepeatCount(), before + 3);  // Int(50 / 20 + 0.5) per check
}

TEST_F(ImgRepeatTest, TheCountStopsAt9999) {
    repeat.setRepeatTime2nd(1);
    pressLeft();
    env.advance(12'000);
    EXPECT_EQ(repeat.RepeatCount(), 9999);
    EXPECT_EQ(repeat.RepeatStat(), 2);
}

TEST_F(ImgRepeatTest, ThePressEndsWhenTheButtonIsFoundUp) {
    repeat.MouseDown(image, 4, 2, 0, 75, 75);  // right button
    env.leftDown = false;
    env.rightDown = true;
    env.advance(350);
    EXPECT_EQ(owner.count("exec"), 2);
    env.rightDown = false;
    env.advance(25);
    EXPECT_EQ(owner.count("disp"), 1);
    EXPECT_EQ(repeat.RepeatIndex(), 0);
    EXPECT_EQ(repeat.RepeatStat(), 0);
    EXPECT_EQ(repeat.RepeatButton(), 2);  // kept until the next press
    EXPECT_EQ(repeat.RepeatCount(), 1);
    EXPECT_FALSE(env.armed());
    env.advance(1000);
    EXPECT_EQ(owner.count("exec"), 2);
}

TEST_F(ImgRepeatTest, MovingTheCursorOffTheImageEndsThePressAtOnce) {
    pressLeft();
    env.cursor = image->mapToGlobal(QPoint(28, 5));  // one pixel past the right edge
    repeat.MouseMove(9, 1, 0, 28 * 15, 75);
    EXPECT_EQ(owner.count("disp"), 1);
    EXPECT_EQ(repeat.RepeatIndex(), 0);
}

TEST_F(ImgRepeatTest, TheImageEdgesCountAsOnIt) {
    pressLeft();
    env.cursor = image->mapToGlobal(QPoint(27, 15));  // right and bottom edge
    repeat.MouseMove(9, 1, 0, 27 * 15, 15 * 15);
    EXPECT_TRUE(repeat.isOnImage());
    env.advance(301);
    EXPECT_EQ(owner.count("exec"), 2);
    EXPECT_EQ(owner.count("disp"), 0);
}

TEST_F(ImgRepeatTest, APositionOutsideTheImageHoldsTheRepeatsWithoutEndingThePress) {
    pressLeft();
    repeat.MouseMove(9, 1, 0, 0, 75);  // column 0 is not within 1..width
    EXPECT_FALSE(repeat.isOnImage());
    env.advance(1200);
    EXPECT_EQ(owner.count("exec"), 1);
    EXPECT_EQ(owner.count("disp"), 0);
    repeat.MouseMove(9, 1, 0, 75, 75);  // back on the key after more than a second:
    env.advance(300);                   // the timing restarts from now
    EXPECT_EQ(owner.count("exec"), 1);
    env.advance(1);
    EXPECT_EQ(owner.count("exec"), 2);
}

TEST_F(ImgRepeatTest, MouseUpEndsThePressAndRedrawsEvenWhenItHadEnded) {
    pressLeft();
    env.advance(350);
    repeat.MouseUp(9, 1, 0, 75, 75);
    EXPECT_EQ(owner.count("disp"), 1);
    EXPECT_EQ(owner.calls.back().index, 0);  // inside imgRepeat_disp nothing is held
    repeat.MouseUp(9, 1, 0, 75, 75);
    EXPECT_EQ(owner.count("disp"), 2);
}

TEST_F(ImgRepeatTest, ADoubleClickEndsThePressThenPressesAfresh) {
    pressLeft(3);
    env.advance(450);
    repeat.MouseUp(3, 1, 0, 75, 75);
    owner.calls.clear();
    repeat.DblClick(3);
    ASSERT_EQ(owner.calls.size(), 2u);
    EXPECT_EQ(owner.calls[0].what, "disp");
    EXPECT_EQ(owner.calls[1].what, "exec");
    EXPECT_EQ(owner.calls[1].index, 3);
    EXPECT_EQ(owner.calls[1].stat, 1);
    EXPECT_EQ(owner.calls[1].count, 0);
    env.advance(301);
    EXPECT_EQ(owner.count("exec"), 2);  // and it is held like a press
}

TEST_F(ImgRepeatTest, AStopFromInsideTheOwnersFiringEndsTheHold) {
    owner.onExec = [&] {
        if (repeat.RepeatCount() == 2) repeat.repeat_stop();
    };
    pressLeft();
    env.advance(2000);
    EXPECT_EQ(owner.count("exec"), 3);
    EXPECT_EQ(repeat.RepeatIndex(), 0);
}

TEST(ImgRepeat, TimesBelowOneAreStoredAsOneAndEveryStopRestoresTheDefaults) {
    test::ManualHoldEnvironment env;
    clsImgRepeat repeat(&env);
    repeat.setRepeatTime(0);
    repeat.setRepeatTime1st(-5);
    repeat.setRepeatTime2nd(0);
    repeat.setDefaultRepeatTime1st(0);
    repeat.setDefaultRepeatTime2nd(-1);
    EXPECT_EQ(repeat.RepeatTime(), 1);
    EXPECT_EQ(repeat.RepeatTime1st(), 1);
    EXPECT_EQ(repeat.RepeatTime2nd(), 1);
    repeat.setDefaultRepeatTime1st(250);
    repeat.setRepeatTime1st(40);
    repeat.repeat_stop();  // without an owner nothing is called
    EXPECT_EQ(repeat.RepeatTime1st(), 250);
    EXPECT_EQ(repeat.RepeatTime2nd(), 1);
}

// The real wiring: a hot zone's events reach the widget through Qt's mouse state and timer.
TEST(ImgRepeat, APressAndReleaseOnAHotZoneFiresOnceAndRedraws) {
    QWidget window;
    window.resize(100, 50);
    auto* zone = new ImageHotZone(12, &window);
    zone->setGeometry(10, 10, 30, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    clsImgRepeat repeat;
    struct Owner : ImgRepeatOwner {
        clsImgRepeat* widget;
        std::vector<std::string> log;
        void imgRepeat_exec() override {
            log.push_back("exec " + std::to_string(widget->RepeatIndex()));
        }
        void imgRepeat_disp() override { log.push_back("disp"); }
    } owner;
    owner.widget = &repeat;
    repeat.setObjForm(&owner);
    QObject::connect(zone, &ImageHotZone::mouseDown,
                     [&](int index, int button, int shift, float x, float y) {
                         repeat.MouseDown(zone, index, button, shift, x, y);
                     });
    QObject::connect(zone, &ImageHotZone::mouseUp,
                     [&](int index, int button, int shift, float x, float y) {
                         repeat.MouseUp(index, button, shift, x, y);
                     });
    QTest::mouseClick(zone, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(owner.log, (std::vector<std::string>{"exec 12", "disp"}));
    EXPECT_EQ(repeat.RepeatButton(), 1);
}

}  // namespace
}  // namespace corvell::ui
