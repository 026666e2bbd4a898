// What the DTMF panel shows and what its keys do, without drawing: the received characters as
// glyphs 1..20, the held key face on the three keys, the two lamps, and the keys that switch the
// DTMF display and remote actions and open the option dialog. The window (frmDTMF) paints what
// this decides and forwards the owner's command word through DtmfView.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "panels/common/ImagePlace.h"
#include "panels/common/PanelImages.h"

namespace corvell {
class frmTesselbase;
class clsDtmfOption;
}  // namespace corvell
namespace corvell::ui {
class clsImgRepeat;
}

namespace corvell::panels {

class DtmfDecoder;

inline constexpr int kDtmfImageCount = 28;
inline constexpr int16_t kDtmfSkinId = 1501;
inline constexpr int16_t kDtmfKeyHeldId = 1502;
inline constexpr int16_t kDtmfRemoteLampId = 1503;
inline constexpr int16_t kDtmfLampId = 1504;
// Images 1..20 show the first twenty received characters; 21 stays empty.
inline constexpr int kDtmfShownCharacters = 20;
inline constexpr int kDtmfKeyDisplay = 24;
inline constexpr int kDtmfKeyRemote = 25;
inline constexpr int kDtmfKeySet = 26;
inline constexpr int kDtmfLampDisplay = 27;
inline constexpr int kDtmfLampRemote = 28;

using DtmfImage = ImagePlace;
// Where images 1..28 sit on the skin; 22 and 23 stay parked off the panel (index 0 unused).
const DtmfImage* DtmfImages();

class DtmfView {
  public:
    virtual void redraw() = 0;
    // A command word for the main window ("DTMFSET").
    virtual void sendKeyAction(const std::string& word) = 0;

  protected:
    ~DtmfView() = default;
};

class DtmfPanelLogic {
  public:
    DtmfPanelLogic(frmTesselbase& rx, clsDtmfOption& option, const DtmfDecoder& decoder,
                   ui::clsImgRepeat& repeater, PanelImages& images, DtmfView& view);

    // The glyph of a DTMF character; 0 for any other character.
    static int16_t GlyphId(char c);

    void DispIndicators();
    void ImgKey_Operation();

  private:
    frmTesselbase& rx_;
    clsDtmfOption& option_;
    const DtmfDecoder& decoder_;
    ui::clsImgRepeat& repeater_;
    PanelImages& images_;
    DtmfView& view_;
};

}  // namespace corvell::panels
