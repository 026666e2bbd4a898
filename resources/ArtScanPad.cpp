// The scan pad: its skin, the pressed faces of its seven keys, the busy lamp and the FM
// centre-tuning indicator. Its other lamps are the mode panel's 1235 and 1236.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr SkinItem kSkinItems[] = {
    {SkinPart::Display, 35, 25, 171, 86, nullptr}, {SkinPart::CaptionLeft, 8, 4, 80, 16, "SCAN"},
    {SkinPart::Lamp, 222, 44, 40, 5, nullptr},     {SkinPart::Lamp, 271, 44, 40, 5, nullptr},
    {SkinPart::Lamp, 320, 44, 40, 5, nullptr},     {SkinPart::Key, 218, 52, 48, 18, "PROG"},
    {SkinPart::Key, 267, 52, 48, 18, "AUTO"},      {SkinPart::Key, 316, 52, 48, 18, "MEMO"},
    {SkinPart::Key, 217, 72, 48, 18, "STOP"},      {SkinPart::Key, 219, 92, 48, 18, "PAUSE"},
    {SkinPart::Display, 270, 93, 90, 14, nullptr}, {SkinPart::Caption, 380, 25, 95, 12, "DELAY"},
    {SkinPart::Caption, 380, 55, 95, 12, "SPEED"}, {SkinPart::Lamp, 382, 84, 40, 5, nullptr},
    {SkinPart::Lamp, 432, 84, 40, 5, nullptr},     {SkinPart::Key, 378, 92, 48, 18, "SET"},
    {SkinPart::Key, 428, 92, 48, 18, "VSC"},
};

constexpr SkinLayout kSkin{Body::Dark, kSkinItems};

constexpr const char* kGiven = "size given";
constexpr const char* kLampSize = "fits left of the meter face (x 3 to 34)";
constexpr const char* kCentreSize =
    "fits the meter face under the needle's pivot; only the mark covers the needle";
constexpr int kGreen = static_cast<int>(LampColour::Green);
constexpr int kRed = static_cast<int>(LampColour::Red);

constexpr ArtRow kRows[] = {
    {1401, 512, 118, Prim::Skin, "SCAN", Face::Normal,
     "the simple set's 512 width; the hot zones reach y 111", 0, 0, &kSkin},
    {1402, 48, 18, Prim::Key, "PROG", Face::Pressed, kGiven},
    {1403, 48, 18, Prim::Key, "AUTO", Face::Pressed, kGiven},
    {1404, 48, 18, Prim::Key, "MEMO", Face::Pressed, kGiven},
    {1405, 48, 18, Prim::Key, "STOP", Face::Pressed, kGiven},
    {1406, 48, 18, Prim::Key, "SET", Face::Pressed, kGiven},
    {1407, 48, 18, Prim::Key, "PAUSE", Face::Pressed, kGiven},
    {1408, 48, 18, Prim::Key, "VSC", Face::Pressed, kGiven},
    {1410, 30, 12, Prim::Lamp, "BUSY", Face::Off, kLampSize, kGreen},
    {1411, 30, 12, Prim::Lamp, "BUSY", Face::On, kLampSize, kGreen},
    {1412, 40, 12, Prim::DisplayMark, "\u25c0", Face::On, kCentreSize, kRed},
    {1413, 40, 12, Prim::DisplayMark, "\u25c6", Face::On, kCentreSize},
    {1414, 40, 12, Prim::DisplayMark, "\u25b6", Face::On, kCentreSize, kRed},
};

}  // namespace

constinit const ArtTable kScanPadArt{"scanpad", kRows};

}  // namespace corvell::art
