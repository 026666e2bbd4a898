// Press-and-hold for the image keys of a drawn panel: one firing when a key is pressed, a first
// repeat after RepeatTime1st (300 ms), then one every RepeatTime2nd (100 ms) while the button
// stays down and the cursor stays on the key, with bounded catch-up when the program falls
// behind. Each firing calls the owner's imgRepeat_exec, each end of a press its imgRepeat_disp.
// The hold is driven by timer wake-ups of its environment, never by a loop: MouseDown returns
// right after the first firing, every other event keeps running, and the end of the press is
// seen by the release (MouseUp), a double click, the button found up or the cursor found off the
// key. Owners must expect imgRepeat_exec inside their own mouse-down handler.
// Thread contract: user-interface thread only.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "ui/HoldEnvironment.h"
#include "ui/ImgRepeatOwner.h"

namespace corvell::ui {

class clsImgRepeat {
  public:
    static constexpr int16_t kMaxRepeatCount = 9999;

    // Without an environment the widget uses the system clock, a Qt timer and Qt's mouse state.
    explicit clsImgRepeat(HoldEnvironment* environment = nullptr);
    ~clsImgRepeat();
    clsImgRepeat(const clsImgRepeat&) = delete;
    clsImgRepeat& operator=(const clsImgRepeat&) = delete;

    // The owner whose callbacks run; none while it is not set.
    void setObjForm(ImgRepeatOwner* owner) { owner_ = owner; }

    // The image events of the owner's image keys, passed on unchanged. Positions are in twips
    // within the image, buttons 1 left / 2 right.
    void MouseDown(QWidget* image, int16_t index, int16_t button, int16_t shift, float x, float y);
    void MouseMove(int16_t index, int16_t button, int16_t shift, float x, float y);
    void MouseUp(int16_t index, int16_t button, int16_t shift, float x, float y);
    void DblClick(int16_t index);

    // Whether the cursor is on the held image and the last reported position lies within it.
    bool isOnImage();
    // Ends the press: index, state and current time 0, the first and second times back to their
    // defaults, then the owner's imgRepeat_disp.
    void repeat_stop();

    // Times in milliseconds; a value below 1 is stored as 1.
    void setRepeatTime(int ms) { repeatTime_ = atLeastOne(ms); }
    void setRepeatTime1st(int ms) { repeatTime1st_ = atLeastOne(ms); }
    void setRepeatTime2nd(int ms) { repeatTime2nd_ = atLeastOne(ms); }
    void setDefaultRepeatTime1st(int ms) { defaultRepeatTime1st_ = atLeastOne(ms); }
    void setDefaultRepeatTime2nd(int ms) { defaultRepeatTime2nd_ = atLeastOne(ms); }
    int RepeatTime() const { return repeatTime_; }
    int RepeatTime1st() const { return repeatTime1st_; }
    int RepeatTime2nd() const { return repeatTime2nd_; }
    int DefaultRepeatTime1st() const { return defaultRepeatTime1st_; }
    int DefaultRepeatTime2nd() const { return defaultRepeatTime2nd_; }

    // The button of the last press (1 left, any other value right).
    int16_t RepeatButton() const { return repeatButton_; }
    // Repeats since the press: 0 at the press, 1 at the first repeat, at most 9999.
    int16_t RepeatCount() const { return repeatCount_; }
    // The held image's index; 0 while none is held.
    int16_t RepeatIndex() const { return repeatIndex_; }
    // 0 idle, 1 pressed (first firing done), 2 repeating.
    int16_t RepeatStat() const { return repeatStat_; }

    // y (pixels) is added to the top of the held image's screen rectangle; x has no effect.
    void SetOffsetPosision(int32_t x, int32_t y);

  private:
    static int atLeastOne(int ms) { return ms < 1 ? 1 : ms; }

    void press(int16_t index);
    void fire(int16_t index);
    void tick();
    void scheduleTick();
    void takeImageRect();
    bool cursorOnRect();
    bool pointerWithinImage() const;
    int resyncLimit() const;

    std::unique_ptr<HoldEnvironment> ownEnvironment_;
    HoldEnvironment* env_;
    ImgRepeatOwner* owner_ = nullptr;

    QPointer<QWidget> heldImage_;
    int32_t rectLeft_ = 0, rectTop_ = 0, rectRight_ = 0, rectBottom_ = 0;
    int imageWidth_ = 0, imageHeight_ = 0;
    int32_t offsetY_ = 0;

    int16_t repeatIndex_ = 0;
    int16_t repeatStat_ = 0;
    int16_t repeatButton_ = 0;
    int16_t repeatCount_ = 0;
    int repeatTime_ = 0;
    int repeatTime1st_ = 300;
    int repeatTime2nd_ = 100;
    int defaultRepeatTime1st_ = 300;
    int defaultRepeatTime2nd_ = 100;
    int16_t pointerX_ = 0, pointerY_ = 0;  // twips
    uint32_t referenceTime_ = 0, lastTime_ = 0;
    bool inTick_ = false;
};

}  // namespace corvell::ui
