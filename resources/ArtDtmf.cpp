// The DTMF panel: its skin, the key face and lamps it shares with the DSP panel, and the
// sixteen DTMF characters in display style.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr SkinItem kSkinItems[] = {
    {SkinPart::CaptionLeft, 10, 10, 60, 18, "DTMF"}, {SkinPart::Display, 156, 9, 300, 18, nullptr},
    {SkinPart::Lamp, 42, 36, 27, 9, nullptr},        {SkinPart::Key, 78, 36, 29, 11, "DTMF"},
    {SkinPart::Lamp, 175, 36, 27, 9, nullptr},       {SkinPart::Key, 211, 36, 29, 11, "REMOTE"},
    {SkinPart::Key, 346, 36, 29, 11, "SET"},
};

constexpr SkinLayout kSkin{Body::Dark, kSkinItems};

constexpr const char* kGiven = "size given";
constexpr int kAmber = static_cast<int>(LampColour::Amber);

constexpr ArtRow kRows[] = {
    {1501, 512, 55, Prim::Skin, "DTMF", Face::Normal, kGiven, 0, 0, &kSkin},
    {1502, 29, 11, Prim::PressedOverlay, "", Face::Pressed,
     "size given; shared by the DTMF and DSP keys, the skins carry their legends"},
    {1503, 27, 9, Prim::Lamp, "", Face::On, kGiven, kAmber},
    {1504, 27, 9, Prim::Lamp, "", Face::On, kGiven, kAmber},
    {1510, 12, 12, Prim::Glyph, "0", Face::On, kGiven},
    {1511, 12, 12, Prim::Glyph, "1", Face::On, kGiven},
    {1512, 12, 12, Prim::Glyph, "2", Face::On, kGiven},
    {1513, 12, 12, Prim::Glyph, "3", Face::On, kGiven},
    {1514, 12, 12, Prim::Glyph, "4", Face::On, kGiven},
    {1515, 12, 12, Prim::Glyph, "5", Face::On, kGiven},
    {1516, 12, 12, Prim::Glyph, "6", Face::On, kGiven},
    {1517, 12, 12, Prim::Glyph, "7", Face::On, kGiven},
    {1518, 12, 12, Prim::Glyph, "8", Face::On, kGiven},
    {1519, 12, 12, Prim::Glyph, "9", Face::On, kGiven},
    {1520, 12, 12, Prim::Glyph, "A", Face::On, kGiven},
    {1521, 12, 12, Prim::Glyph, "B", Face::On, kGiven},
    {1522, 12, 12, Prim::Glyph, "C", Face::On, kGiven},
    {1523, 12, 12, Prim::Glyph, "D", Face::On, kGiven},
    {1524, 12, 12, Prim::Glyph, "*", Face::On, kGiven},
    {1525, 12, 12, Prim::Glyph, "#", Face::On, kGiven},
};

}  // namespace

constinit const ArtTable kDtmfArt{"dtmf", kRows};

}  // namespace corvell::art
