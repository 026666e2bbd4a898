// The band-scope window: its skin, the pressed faces of its five keys, and the pictures the
// window shows without a catalog id of their own (the status icons and the power-off cover),
// which get internal ids here.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr SkinItem kSkinItems[] = {
    {SkinPart::Display, 36, 26, 401, 91, nullptr},
    {SkinPart::CaptionLeft, 36, 4, 120, 16, "BAND SCOPE"},
    {SkinPart::Key, 441, 24, 44, 19, "ON"},
    {SkinPart::Key, 441, 44, 44, 19, "OFF"},
    {SkinPart::Key, 441, 64, 44, 19, "PAUSE"},
    {SkinPart::Caption, 441, 86, 41, 11, "SPAN"},
    {SkinPart::Key, 441, 98, 19, 19, "\u2212"},
    {SkinPart::Key, 463, 98, 19, 19, "+"},
};

constexpr SkinLayout kSkin{Body::Dark, kSkinItems};

constexpr const char* kGiven = "size given";

constexpr ArtRow kRows[] = {
    {1101, 492, 124, Prim::Skin, "BAND SCOPE", Face::Normal,
     "from the hot zones: the picture to y 117, the span keys to x 482", 0, 0, &kSkin},
    {1102, 44, 19, Prim::Key, "ON", Face::Pressed, kGiven},
    {1103, 44, 19, Prim::Key, "OFF", Face::Pressed, kGiven},
    {1104, 44, 19, Prim::Key, "PAUSE", Face::Pressed, kGiven},
    {1105, 19, 19, Prim::Key, "\u2212", Face::Pressed, kGiven},
    {1106, 19, 19, Prim::Key, "+", Face::Pressed, kGiven},
    {kScopeLimitIconId, 36, 12, Prim::DisplayLamp, "LIMIT", Face::On,
     "the status icon's rectangle"},
    {kScopePauseIconId, 36, 12, Prim::DisplayLamp, "PAUSE", Face::On,
     "the status icon's rectangle"},
    {kScopePowerOffId, 401, 91, Prim::DisplayText, "POWER OFF", Face::On,
     "covers the scope picture"},
};

}  // namespace

constinit const ArtTable kScopeArt{"scope", kRows};

}  // namespace corvell::art
