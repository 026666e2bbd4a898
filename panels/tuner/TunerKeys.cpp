#include "panels/tuner/TunerKeys.h"

namespace corvell::panels {
namespace {

using A = TunerAction;
using F = Firing;

constexpr TunerImage kImages[] = {
    {2, 238, 73, 12, 11, 1322, A::ChannelDown, F::Each, 0, "CH DOWN"},
    {3, 238, 62, 12, 11, 1321, A::ChannelUp, F::Each, 0, "CH UP"},
    {4, 57, 105, 8, 13, 1303, A::BankLabelMode, F::Each, 0, "NAME"},
    {5, 147, 92, 12, 11, 1321, A::BankUp, F::Each, 0, "BANK UP"},
    {6, 147, 103, 12, 11, 1322, A::BankDown, F::Each, 0, "BANK DOWN"},
    {7, 238, 92, 12, 11, 1321, A::StepUp, F::Each, 0, "STEP UP"},
    {8, 238, 103, 12, 11, 1322, A::StepDown, F::Each, 0, "STEP DOWN"},
    {9, 255, 57, 27, 15, 1304, A::Tenkey, F::First, 1, "1"},
    {10, 282, 57, 27, 15, 1305, A::Tenkey, F::First, 2, "2"},
    {11, 309, 57, 27, 15, 1306, A::Tenkey, F::First, 3, "3"},
    {12, 255, 72, 27, 15, 1307, A::Tenkey, F::First, 4, "4"},
    {13, 282, 72, 27, 15, 1308, A::Tenkey, F::First, 5, "5"},
    {14, 309, 72, 27, 15, 1309, A::Tenkey, F::First, 6, "6"},
    {15, 255, 87, 27, 15, 1310, A::Tenkey, F::First, 7, "7"},
    {16, 282, 87, 27, 15, 1311, A::Tenkey, F::First, 8, "8"},
    {17, 309, 87, 27, 15, 1312, A::Tenkey, F::First, 9, "9"},
    {18, 282, 102, 27, 15, 1314, A::Tenkey, F::First, 0, "0"},
    {19, 255, 102, 27, 15, 1313, A::Tenkey, F::First, 10, "."},
    {20, 309, 102, 27, 15, 1315, A::Tenkey, F::First, 11, "CE"},
    {21, 336, 57, 31, 30, 1316, A::Mch, F::First, 0, "MCH"},
    {22, 336, 87, 31, 30, 1317, A::Tenkey, F::First, 12, "ENT"},
    {23, 380, 24, 12, 11, 1318, A::StepUp, F::Each, 0, "DIAL STEP UP"},
    {24, 468, 24, 12, 11, 1319, A::StepDown, F::Each, 0, "DIAL STEP DOWN"},
    {25, 468, 104, 12, 11, 1320, A::MemoryWrite, F::HoldConfirm, 0, "M.WRITE"},
    {26, 380, 104, 12, 11, 1320, A::MemoryClear, F::HoldConfirm, 0, "M.CLR"},
    {39, 392, 36, 74, 67, 0, A::Dial, F::Each, 0, "DIAL"},
    {40, 376, 95, 18, 8, 0, A::Indicator, F::Each, 0, "M.CLR HELD"},
    {41, 469, 95, 15, 8, 0, A::Indicator, F::Each, 0, "M.WRITE HELD"},
};

constexpr ReadoutPlace kReadout[] = {
    {27, 96},  {28, 120}, {29, 144}, {30, 168}, {31, 192}, {32, 196},
    {33, 220}, {34, 244}, {35, 268}, {36, 272}, {37, 296}, {38, 320},
};

}  // namespace

std::span<const TunerImage> TunerImages() {
    return kImages;
}

const TunerImage* FindTunerImage(int index) {
    for (const TunerImage& image : kImages) {
        if (image.index == index) return &image;
    }
    return nullptr;
}

std::span<const ReadoutPlace> TunerReadoutPlaces() {
    return kReadout;
}

}  // namespace corvell::panels
