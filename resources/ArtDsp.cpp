// The DSP panel's skin; its key face and lamps are the DTMF panel's 1502-1504.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr SkinItem kSkinItems[] = {
    {SkinPart::CaptionLeft, 10, 10, 60, 18, "DSP"},
    {SkinPart::Lamp, 42, 36, 27, 9, nullptr},
    {SkinPart::Key, 78, 36, 29, 11, "DSP"},
    {SkinPart::Lamp, 175, 36, 27, 9, nullptr},
    {SkinPart::Key, 211, 36, 29, 11, "ANF"},
    {SkinPart::Lamp, 311, 36, 27, 9, nullptr},
    {SkinPart::Key, 347, 36, 29, 11, "NR"},
    // The NR-level knob around the pointer's centre (418, 32); the pointer sweeps 306 degrees
    // from lower left through the top, sixteen levels.
    {SkinPart::KnobScale, 403, 17, 30, 30, nullptr, -240, 306, 16},
    {SkinPart::Knob, 408, 22, 20, 20, nullptr},
    {SkinPart::Caption, 440, 26, 66, 12, "NR LEVEL"},
};

constexpr SkinLayout kSkin{Body::Dark, kSkinItems};

constexpr ArtRow kRows[] = {
    {1801, 512, 55, Prim::Skin, "DSP", Face::Normal,
     "from the hot zones (knob to x 439, y 53) and the DTMF panel's 512x55 whose key places it "
     "shares",
     0, 0, &kSkin},
};

}  // namespace

constinit const ArtTable kDspArt{"dsp", kRows};

}  // namespace corvell::art
