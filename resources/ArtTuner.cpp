// The tuner panel: its skin (keys with their legends, the read-out window, the label windows,
// the tuning dial) and the pressed faces and hold indicators shown over it.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr SkinItem kSkinItems[] = {
    {SkinPart::CaptionLeft, 10, 30, 70, 18, "TUNER"},
    // Frequency read-out: MMMM.kkk.hhh, places 24 px apart, points 4 px wide.
    {SkinPart::Display, 92, 26, 256, 27, nullptr},
    {SkinPart::UnlitDigit, 96, 29, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 120, 29, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 144, 29, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 168, 29, 24, 20, nullptr},
    {SkinPart::UnlitPoint, 192, 29, 4, 20, nullptr},
    {SkinPart::UnlitDigit, 196, 29, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 220, 29, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 244, 29, 24, 20, nullptr},
    {SkinPart::UnlitPoint, 268, 29, 4, 20, nullptr},
    {SkinPart::UnlitDigit, 272, 29, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 296, 29, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 320, 29, 24, 20, nullptr},
    {SkinPart::Caption, 350, 38, 28, 12, "MHz"},
    // Channel, bank and tuning-step label windows.
    {SkinPart::Display, 73, 63, 164, 18, nullptr},
    {SkinPart::Caption, 50, 64, 22, 16, "CH"},
    {SkinPart::Display, 73, 93, 73, 18, nullptr},
    {SkinPart::Caption, 28, 93, 44, 11, "BANK"},
    {SkinPart::Caption, 22, 106, 34, 11, "NAME"},
    {SkinPart::Display, 185, 93, 52, 18, nullptr},
    {SkinPart::Caption, 185, 82, 52, 11, "STEP"},
    // Keys at their hot zones.
    {SkinPart::Key, 238, 62, 12, 11, "\u25b2"},
    {SkinPart::Key, 238, 73, 12, 11, "\u25bc"},
    {SkinPart::Key, 57, 105, 8, 13, "N"},
    {SkinPart::Key, 147, 92, 12, 11, "\u25b2"},
    {SkinPart::Key, 147, 103, 12, 11, "\u25bc"},
    {SkinPart::Key, 238, 92, 12, 11, "\u25b2"},
    {SkinPart::Key, 238, 103, 12, 11, "\u25bc"},
    {SkinPart::Key, 255, 57, 27, 15, "1"},
    {SkinPart::Key, 282, 57, 27, 15, "2"},
    {SkinPart::Key, 309, 57, 27, 15, "3"},
    {SkinPart::Key, 255, 72, 27, 15, "4"},
    {SkinPart::Key, 282, 72, 27, 15, "5"},
    {SkinPart::Key, 309, 72, 27, 15, "6"},
    {SkinPart::Key, 255, 87, 27, 15, "7"},
    {SkinPart::Key, 282, 87, 27, 15, "8"},
    {SkinPart::Key, 309, 87, 27, 15, "9"},
    {SkinPart::Key, 282, 102, 27, 15, "0"},
    {SkinPart::Key, 255, 102, 27, 15, "."},
    {SkinPart::Key, 309, 102, 27, 15, "CE"},
    {SkinPart::Key, 336, 57, 31, 30, "MCH"},
    {SkinPart::Key, 336, 87, 31, 30, "ENT"},
    {SkinPart::Caption, 394, 23, 72, 12, "STEP"},
    {SkinPart::Key, 380, 24, 12, 11, "\u25b2"},
    {SkinPart::Key, 468, 24, 12, 11, "\u25bc"},
    {SkinPart::Dial, 392, 36, 74, 67, nullptr},
    {SkinPart::Lamp, 376, 95, 18, 8, nullptr},
    {SkinPart::Lamp, 469, 95, 15, 8, nullptr},
    {SkinPart::Key, 380, 104, 12, 11, "C"},
    {SkinPart::Key, 468, 104, 12, 11, "W"},
    {SkinPart::Caption, 394, 105, 34, 11, "M.CLR"},
    {SkinPart::Caption, 430, 105, 37, 11, "M.WRITE"},
};

constexpr SkinLayout kSkin{Body::Dark, kSkinItems};

constexpr const char* kSkinSize =
    "from the hot zones (keys reach x 484, y 118), the mode panel's 512x126 beside it";
constexpr const char* kKeyRect = "from the key's hot-zone rectangle";
constexpr const char* kSharedKeyRect =
    "from the hot-zone rectangle of the keys that share it (the skin carries their legends)";

constexpr ArtRow kRows[] = {
    {1301, 512, 126, Prim::Skin, "TUNER", Face::Normal, kSkinSize, 0, 0, &kSkin},
    {1303, 8, 13, Prim::Key, "N", Face::Pressed, kKeyRect},
    {1304, 27, 15, Prim::Key, "1", Face::Pressed, kKeyRect},
    {1305, 27, 15, Prim::Key, "2", Face::Pressed, kKeyRect},
    {1306, 27, 15, Prim::Key, "3", Face::Pressed, kKeyRect},
    {1307, 27, 15, Prim::Key, "4", Face::Pressed, kKeyRect},
    {1308, 27, 15, Prim::Key, "5", Face::Pressed, kKeyRect},
    {1309, 27, 15, Prim::Key, "6", Face::Pressed, kKeyRect},
    {1310, 27, 15, Prim::Key, "7", Face::Pressed, kKeyRect},
    {1311, 27, 15, Prim::Key, "8", Face::Pressed, kKeyRect},
    {1312, 27, 15, Prim::Key, "9", Face::Pressed, kKeyRect},
    {1313, 27, 15, Prim::Key, ".", Face::Pressed, kKeyRect},
    {1314, 27, 15, Prim::Key, "0", Face::Pressed, kKeyRect},
    {1315, 27, 15, Prim::Key, "CE", Face::Pressed, kKeyRect},
    {1316, 31, 30, Prim::Key, "MCH", Face::Pressed, kKeyRect},
    {1317, 31, 30, Prim::Key, "ENT", Face::Pressed, kKeyRect},
    {1318, 12, 11, Prim::Key, "\u25b2", Face::Pressed, kKeyRect},
    {1319, 12, 11, Prim::Key, "\u25bc", Face::Pressed, kKeyRect},
    {1320, 12, 11, Prim::PressedOverlay, "", Face::Pressed, kSharedKeyRect},
    {1321, 12, 11, Prim::Key, "\u25b2", Face::Pressed, kKeyRect},
    {1322, 12, 11, Prim::Key, "\u25bc", Face::Pressed, kKeyRect},
    {1323, 18, 8, Prim::Lamp, "", Face::Held, "from the indicator's hot-zone rectangle"},
    {1324, 15, 8, Prim::Lamp, "", Face::Held, "from the indicator's hot-zone rectangle"},
};

}  // namespace

constinit const ArtTable kTunerArt{"tuner", kRows};

}  // namespace corvell::art
