// What the mode panel does, without drawing: the wanted bitmap id of each of its images, the 16
// image keys by the press-and-hold state with their "first firing" and "unless blank" rules, and
// the IF-shift step shown for a value. The window (frmMode) redraws and moves its sliders.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>

#include "panels/common/PanelImages.h"
#include "panels/common/ToneSquelchKey.h"

namespace corvell {
class frmTesselbase;
class clsMEMORY;
}  // namespace corvell

namespace corvell::ui {
class clsImgRepeat;
}

namespace corvell::panels {

class ModeLogic {
  public:
    struct Neighbours {
        frmTesselbase& rx;
        clsMEMORY& memory;
        ToneSquelchDialog* toneDialog;       // null: the tone key does nothing
        std::function<void()> scopeButtons;  // the scope window's DISP; empty: none
    };

    ModeLogic(const Neighbours& n, ui::clsImgRepeat& repeater, PanelImages& images,
              std::function<void()> redraw);

    void DispIndicators();
    void ImgKey_Operation();
    void ReadMemoryState();
    bool isBlank() const { return isBlank_; }
    bool chIsBlank() const { return chIsBlank_; }

    // 1238 + the whole part of value / (256 / 7): seven steps over 0..255.
    static int16_t IfShiftPicture(int32_t ifshift);
    static int16_t ModePicture(int32_t mode);

  private:
    void run(const struct ModeKey& key);

    frmTesselbase& rx_;
    clsMEMORY& memory_;
    ToneSquelchDialog* tone_;
    std::function<void()> scopeButtons_;
    ui::clsImgRepeat& repeater_;
    PanelImages& images_;
    std::function<void()> redraw_;
    bool isBlank_ = false;
    bool chIsBlank_ = false;
};

}  // namespace corvell::panels
