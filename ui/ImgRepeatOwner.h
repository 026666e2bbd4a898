// What a press-and-hold widget calls back on the window that owns it.
// Thread contract: called on the user-interface thread only.
#pragma once

namespace corvell::ui {

class ImgRepeatOwner {
  public:
    // At every firing of a held image (the press, each repeat, a double click). The owner reads
    // RepeatIndex, RepeatStat, RepeatCount and RepeatButton of its widget to decide what to do.
    virtual void imgRepeat_exec() = 0;
    // At every end of a press, to redraw the button states.
    virtual void imgRepeat_disp() = 0;

  protected:
    ~ImgRepeatOwner() = default;
};

}  // namespace corvell::ui
