#include "panels/mode/ModeKeys.h"

namespace corvell::panels {
namespace {

using A = ModeAction;

constexpr ModeKey kKeys[] = {
    {2, 30, 76, 45, 18, 1202, A::Ssb, false, false, "SSB"},
    {3, 75, 76, 45, 18, 1203, A::Cw, false, false, "CW"},
    {4, 120, 76, 45, 18, 1204, A::Am, false, false, "AM"},
    {5, 30, 96, 45, 18, 1205, A::AutoMode, false, false, "AUTO"},
    {6, 75, 96, 45, 18, 1206, A::Wfm, false, false, "WFM"},
    {7, 120, 96, 33, 18, 1207, A::Fm, false, false, "FM"},
    {8, 153, 96, 12, 18, 1208, A::ToneSquelch, false, false, "TSQ"},
    {9, 173, 76, 32, 18, 1209, A::FilterUp, false, true, "FILTER UP"},
    {10, 173, 95, 32, 18, 1210, A::FilterDown, false, true, "FILTER DOWN"},
    {11, 252, 95, 18, 18, 1211, A::IfShiftCentre, false, false, "IF CENTRE"},
    {12, 316, 76, 18, 18, 1211, A::Afc, false, true, "AFC"},
    {13, 338, 76, 18, 18, 1211, A::Att, false, true, "ATT"},
    {14, 316, 95, 18, 18, 1211, A::Nb, false, true, "NB"},
    {15, 338, 95, 18, 18, 1211, A::Agc, false, true, "AGC"},
    {16, 378, 92, 48, 18, 1212, A::Monitor, false, false, "MONI"},
    {17, 428, 92, 48, 18, 1213, A::AfMute, true, true, "MUTE"},
};

constexpr ModeIndicatorPlace kIndicators[] = {
    {18, 41, 39, 1220, "AUTO"},      {19, 37, 50, 1214, "MODE"}, {20, 128, 45, 1222, "FILTER"},
    {21, 225, 45, 1238, "IF SHIFT"}, {22, 298, 40, 1233, "AFC"}, {23, 330, 53, 1229, "AGC"},
    {24, 330, 40, 1227, "ATT"},      {25, 302, 53, 1231, "NB"},  {26, 382, 84, 1235, "MONI"},
    {27, 432, 84, 1235, "MUTE"},     {28, 92, 39, 1237, "TSQ"},
};

}  // namespace

std::span<const ModeKey> ModeKeys() {
    return kKeys;
}

const ModeKey* FindModeKey(int index) {
    for (const ModeKey& key : kKeys) {
        if (key.index == index) return &key;
    }
    return nullptr;
}

std::span<const ModeIndicatorPlace> ModeIndicatorPlaces() {
    return kIndicators;
}

}  // namespace corvell::panels
