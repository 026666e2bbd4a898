// The mode panel: its skin, the pressed keys, and the mode, filter, IF-shift and function
// read-outs of its display window.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr SkinItem kSkinItems[] = {
    {SkinPart::Caption, 37, 22, 85, 11, "MODE"},
    {SkinPart::Caption, 128, 22, 85, 11, "FILTER"},
    {SkinPart::Caption, 225, 22, 65, 11, "IF SHIFT"},
    {SkinPart::Caption, 298, 22, 62, 11, "FUNCTION"},
    {SkinPart::Display, 28, 34, 340, 34, nullptr},
    {SkinPart::Caption, 380, 25, 95, 12, "AF GAIN"},
    {SkinPart::Caption, 380, 54, 95, 12, "SQUELCH"},
    {SkinPart::Key, 30, 76, 45, 18, "SSB"},
    {SkinPart::Key, 75, 76, 45, 18, "CW"},
    {SkinPart::Key, 120, 76, 45, 18, "AM"},
    {SkinPart::Key, 30, 96, 45, 18, "AUTO"},
    {SkinPart::Key, 75, 96, 45, 18, "WFM"},
    {SkinPart::Key, 120, 96, 33, 18, "FM"},
    {SkinPart::Key, 153, 96, 12, 18, "T"},
    {SkinPart::Key, 173, 76, 32, 18, "FIL\u25b2"},
    {SkinPart::Key, 173, 95, 32, 18, "FIL\u25bc"},
    {SkinPart::Key, 252, 95, 18, 18, "CTR"},
    {SkinPart::Key, 316, 76, 18, 18, "AFC"},
    {SkinPart::Key, 338, 76, 18, 18, "ATT"},
    {SkinPart::Key, 316, 95, 18, 18, "NB"},
    {SkinPart::Key, 338, 95, 18, 18, "AGC"},
    {SkinPart::Lamp, 382, 84, 40, 5, nullptr},
    {SkinPart::Lamp, 432, 84, 40, 5, nullptr},
    {SkinPart::Key, 378, 92, 48, 18, "MONI"},
    {SkinPart::Key, 428, 92, 48, 18, "MUTE"},
};

constexpr SkinLayout kSkin{Body::Dark, kSkinItems};

constexpr const char* kGiven = "size given";
constexpr const char* kShared = "size given; shared by five keys, the skin carries their legends";
constexpr int kSteps = 7;

constexpr ArtRow kRows[] = {
    {1201, 512, 126, Prim::Skin, "MODE", Face::Normal, kGiven, 0, 0, &kSkin},
    {1202, 45, 18, Prim::Key, "SSB", Face::Pressed, kGiven},
    {1203, 45, 18, Prim::Key, "CW", Face::Pressed, kGiven},
    {1204, 45, 18, Prim::Key, "AM", Face::Pressed, kGiven},
    {1205, 45, 18, Prim::Key, "AUTO", Face::Pressed, kGiven},
    {1206, 45, 18, Prim::Key, "WFM", Face::Pressed, kGiven},
    {1207, 33, 18, Prim::Key, "FM", Face::Pressed, kGiven},
    {1208, 12, 18, Prim::Key, "T", Face::Pressed, kGiven},
    {1209, 32, 18, Prim::Key, "FIL\u25b2", Face::Pressed, kGiven},
    {1210, 32, 18, Prim::Key, "FIL\u25bc", Face::Pressed, kGiven},
    {1211, 18, 18, Prim::PressedOverlay, "", Face::Pressed, kShared},
    {1212, 48, 18, Prim::Key, "MONI", Face::Pressed, kGiven},
    {1213, 48, 18, Prim::Key, "MUTE", Face::Pressed, kGiven},
    {1214, 85, 14, Prim::DisplayText, "LSB", Face::On, kGiven},
    {1215, 85, 14, Prim::DisplayText, "USB", Face::On, kGiven},
    {1216, 85, 14, Prim::DisplayText, "CW", Face::On, kGiven},
    {1217, 85, 14, Prim::DisplayText, "AM", Face::On, kGiven},
    {1218, 85, 14, Prim::DisplayText, "FM", Face::On, kGiven},
    {1219, 85, 14, Prim::DisplayText, "WFM", Face::On, kGiven},
    {1220, 36, 10, Prim::DisplayLamp, "AUTO", Face::Off, kGiven},
    {1221, 36, 10, Prim::DisplayLamp, "AUTO", Face::On, kGiven},
    {1222, 85, 20, Prim::DisplayText, "3k", Face::On, kGiven},
    {1223, 85, 20, Prim::DisplayText, "6k", Face::On, kGiven},
    {1224, 85, 20, Prim::DisplayText, "15k", Face::On, kGiven},
    {1225, 85, 20, Prim::DisplayText, "50k", Face::On, kGiven},
    {1226, 85, 20, Prim::DisplayText, "230k", Face::On, kGiven},
    {1227, 30, 11, Prim::DisplayLamp, "ATT", Face::Off, kGiven},
    {1228, 30, 11, Prim::DisplayLamp, "ATT", Face::On, kGiven},
    {1229, 30, 11, Prim::DisplayLamp, "AGC", Face::Off, kGiven},
    {1230, 30, 11, Prim::DisplayLamp, "AGC", Face::On, kGiven},
    {1231, 22, 11, Prim::DisplayLamp, "NB", Face::Off, kGiven},
    {1232, 22, 11, Prim::DisplayLamp, "NB", Face::On, kGiven},
    {1233, 30, 11, Prim::DisplayLamp, "AFC", Face::Off, kGiven},
    {1234, 30, 11, Prim::DisplayLamp, "AFC", Face::On, kGiven},
    {1235, 40, 5, Prim::Lamp, "", Face::Off, kGiven, static_cast<int>(LampColour::Amber)},
    {1236, 40, 5, Prim::Lamp, "", Face::On, kGiven, static_cast<int>(LampColour::Amber)},
    {1237, 32, 10, Prim::DisplayLamp, "TSQ", Face::On, kGiven},
    {1238, 65, 20, Prim::MeterSteps, "IF shift 1/7", Face::On, kGiven, kSteps, 0},
    {1239, 65, 20, Prim::MeterSteps, "IF shift 2/7", Face::On, kGiven, kSteps, 1},
    {1240, 65, 20, Prim::MeterSteps, "IF shift 3/7", Face::On, kGiven, kSteps, 2},
    {1241, 65, 20, Prim::MeterSteps, "IF shift 4/7", Face::On, kGiven, kSteps, 3},
    {1242, 65, 20, Prim::MeterSteps, "IF shift 5/7", Face::On, kGiven, kSteps, 4},
    {1243, 65, 20, Prim::MeterSteps, "IF shift 6/7", Face::On, kGiven, kSteps, 5},
    {1244, 65, 20, Prim::MeterSteps, "IF shift 7/7", Face::On, kGiven, kSteps, 6},
    {1245, 65, 20, Prim::MeterSteps, "IF shift n/a", Face::Off, kGiven, kSteps, -1},
};

}  // namespace

constinit const ArtTable kModeArt{"mode", kRows};

}  // namespace corvell::art
