#include "ui/clsImgRepeat.h"

#include <algorithm>

#include "ui/Twips.h"

namespace corvell::ui {
namespace {

// While a key is held the cursor and button are looked at at least this often, so that a press
// whose release went elsewhere still ends; the firings themselves wake at their due time.
constexpr uint32_t kPollMs = 25;

int16_t toInt16(float value) {
    const int64_t rounded = roundHalfEven(value);
    return static_cast<int16_t>(std::clamp<int64_t>(rounded, INT16_MIN, INT16_MAX));
}

// Signed distance from `from` to `to` on a clock that wraps at 2^32.
int32_t since(uint32_t from, uint32_t to) {
    return static_cast<int32_t>(to - from);
}

}  // namespace

clsImgRepeat::clsImgRepeat(HoldEnvironment* environment) : env_(environment) {
    if (env_ == nullptr) {
        ownEnvironment_ = std::make_unique<QtHoldEnvironment>();
        env_ = ownEnvironment_.get();
    }
    repeat_stop();  // no owner yet, so no callback
}

clsImgRepeat::~clsImgRepeat() {
    env_->cancelWake();
}

void clsImgRepeat::SetOffsetPosision(int32_t /*x*/, int32_t y) {
    offsetY_ = y;
}

void clsImgRepeat::takeImageRect() {
    if (!heldImage_) return;
    const QPoint topLeft = heldImage_->mapToGlobal(QPoint(0, 0));
    rectLeft_ = topLeft.x();
    rectTop_ = topLeft.y() + offsetY_;
    rectRight_ = rectLeft_ + heldImage_->width();
    rectBottom_ = rectTop_ + heldImage_->height();
}

void clsImgRepeat::MouseDown(QWidget* image, int16_t index, int16_t button, int16_t /*shift*/,
                             float x, float y) {
    heldImage_ = image;
    takeImageRect();
    repeatButton_ = button;
    repeatIndex_ = index;
    pointerX_ = toInt16(x);
    pointerY_ = toInt16(y);
    press(index);
}

void clsImgRepeat::MouseMove(int16_t /*index*/, int16_t /*button*/, int16_t /*shift*/, float x,
                             float y) {
    pointerX_ = toInt16(x);
    pointerY_ = toInt16(y);
    // A move is the moment the cursor may have left the key: look at once.
    tick();
}

void clsImgRepeat::MouseUp(int16_t, int16_t, int16_t, float, float) {
    repeat_stop();
}

void clsImgRepeat::DblClick(int16_t index) {
    repeat_stop();
    takeImageRect();
    press(index);
}

void clsImgRepeat::press(int16_t index) {
    referenceTime_ = lastTime_ = env_->nowMs();
    fire(index);
    scheduleTick();
}

void clsImgRepeat::fire(int16_t index) {
    repeatIndex_ = index;
    switch (repeatStat_) {
        case 0:
            repeatStat_ = 1;
            repeatTime_ = repeatTime1st_;
            repeatCount_ = 0;
            break;
        case 1:
            if (repeatCount_ < kMaxRepeatCount) ++repeatCount_;
            repeatStat_ = 2;
            repeatTime_ = repeatTime2nd_;
            break;
        default:
            if (repeatCount_ < kMaxRepeatCount) ++repeatCount_;
            break;
    }
    if (owner_ != nullptr) owner_->imgRepeat_exec();
}

void clsImgRepeat::repeat_stop() {
    repeatIndex_ = 0;
    repeatStat_ = 0;
    repeatTime_ = 0;
    repeatTime1st_ = defaultRepeatTime1st_;
    repeatTime2nd_ = defaultRepeatTime2nd_;
    env_->cancelWake();
    if (owner_ != nullptr) owner_->imgRepeat_disp();
}

bool clsImgRepeat::cursorOnRect() {
    const QPoint cursor = env_->cursorPos();
    return cursor.x() >= rectLeft_ && cursor.x() <= rectRight_ && cursor.y() >= rectTop_ &&
           cursor.y() <= rectBottom_;
}

bool clsImgRepeat::pointerWithinImage() const {
    if (!heldImage_) return false;
    const int x = twipsToPixels(pointerX_);
    const int y = twipsToPixels(pointerY_);
    return x >= 1 && x <= heldImage_->width() && y >= 1 && y <= heldImage_->height();
}

bool clsImgRepeat::isOnImage() {
    return cursorOnRect() && pointerWithinImage();
}

// A wait longer than this since the last firing restarts the timing from now instead of
// catching up. It lies a second past the due time, so that repeat times of a second and more
// still fire.
int clsImgRepeat::resyncLimit() const {
    return repeatTime_ < 1000 ? 1000 : repeatTime_ + 1000;
}

void clsImgRepeat::tick() {
    if (inTick_ || (repeatStat_ != 1 && repeatStat_ != 2)) return;
    inTick_ = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{inTick_};

    if (!heldImage_ || !env_->isButtonDown(repeatButton_ == 1 ? 1 : 2) || !cursorOnRect()) {
        repeat_stop();
        return;
    }
    if (!pointerWithinImage()) {
        env_->wakeAfter(kPollMs, [this] { tick(); });
        return;
    }

    const uint32_t now = env_->nowMs();
    lastTime_ = now;
    const int32_t elapsed = since(referenceTime_, now);
    if (elapsed > resyncLimit() || elapsed < 0) referenceTime_ = now;

    const int allowed = static_cast<int>(50.0 / repeatTime_ + 0.5);
    int fired = 0;
    while (repeatIndex_ != 0 && since(referenceTime_, lastTime_) > repeatTime_) {
        referenceTime_ += static_cast<uint32_t>(repeatTime_);
        fire(repeatIndex_);
        ++fired;
        if (repeatCount_ < 10 || fired >= allowed) break;
    }
    scheduleTick();
}

void clsImgRepeat::scheduleTick() {
    if (repeatStat_ != 1 && repeatStat_ != 2) {
        env_->cancelWake();
        return;
    }
    const uint32_t due = referenceTime_ + static_cast<uint32_t>(repeatTime_) + 1;
    const int32_t wait = std::max<int32_t>(0, since(env_->nowMs(), due));
    env_->wakeAfter(std::min<uint32_t>(static_cast<uint32_t>(wait), kPollMs), [this] { tick(); });
}

}  // namespace corvell::ui
