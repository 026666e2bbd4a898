#include "panels/receiver/ReceiverKeys.h"

#include <array>

namespace corvell::panels {
namespace {

using A = RxAction;
using W = RxWhen;
using K = RxKnob;

constexpr RxImage kImages[] = {
    {1, 65, 108, 40, 17, "ATT", A::Att, W::Press, 0},
    {3, 543, 82, 24, 12, "FIL-", A::FilterDown, W::Press, 0},
    {4, 567, 82, 24, 12, "FIL+", A::FilterUp, W::Press, 0},
    {7, 550, 169, 34, 34, "AF GAIN", A::AfGain, W::Every, 0, K::RightRaises},
    {8, 550, 114, 34, 34, "SQUELCH", A::Squelch, W::Every, 0, K::RightRaises},
    {9, 18, 169, 34, 34, "SPEED", A::ScanSpeed, W::Every, 0, K::LeftRaises},
    {10, 71, 169, 34, 34, "DELAY", A::ScanDelay, W::Every, 0, K::RightRaises},
    {11, 446, 22, 27, 15, "1", A::Tenkey, W::Press, 1},
    {12, 473, 22, 27, 15, "2", A::Tenkey, W::Press, 2},
    {13, 500, 22, 27, 15, "3", A::Tenkey, W::Press, 3},
    {14, 446, 37, 27, 15, "4", A::Tenkey, W::Press, 4},
    {15, 473, 37, 27, 15, "5", A::Tenkey, W::Press, 5},
    {16, 500, 37, 27, 15, "6", A::Tenkey, W::Press, 6},
    {17, 446, 52, 27, 15, "7", A::Tenkey, W::Press, 7},
    {18, 473, 52, 27, 15, "8", A::Tenkey, W::Press, 8},
    {19, 500, 52, 27, 15, "9", A::Tenkey, W::Press, 9},
    {20, 473, 67, 27, 15, "0", A::Tenkey, W::Press, 0},
    {21, 446, 67, 27, 15, ".", A::Tenkey, W::Press, 10},
    {22, 500, 67, 27, 15, "CE", A::Tenkey, W::Press, 11},
    {23, 446, 82, 40, 19, "MCH", A::Mch, W::Press, 0},
    {24, 486, 82, 41, 19, "ENT", A::Tenkey, W::Press, 12},
    {25, 487, 105, 40, 16, "STEP+", A::StepUp, W::Every, 0},
    {26, 447, 105, 40, 16, "STEP-", A::StepDown, W::Every, 0},
    {27, 463, 173, 28, 21, "CH-", A::ChannelDown, W::Every, 0},
    {28, 463, 140, 28, 21, "CH+", A::ChannelUp, W::Every, 0},
    {29, 493, 140, 28, 21, "BANK+", A::BankUp, W::Every, 0},
    {30, 493, 173, 28, 21, "BANK-", A::BankDown, W::Every, 0},
    {31, 471, 201, 11, 11, "M.WRITE", A::MemoryWrite, W::Confirmed, 0},
    {32, 471, 215, 11, 11, "M.CLR", A::MemoryClear, W::Confirmed, 0},
    {33, 411, 20, 31, 12, "TSQ", A::ToneSquelch, W::Press, 0},
    {34, 411, 32, 31, 16, "FM", A::Mode, W::Press, 5},
    {35, 411, 48, 31, 16, "WFM", A::Mode, W::Press, 6},
    {36, 411, 64, 31, 16, "AM", A::Mode, W::Press, 2},
    {37, 411, 113, 31, 16, "AUTO", A::AutoMode, W::Press, 0},
    {38, 133, 189, 45, 18, "SPAN+", A::ScopeSpanUp, W::Press, 0},
    {39, 180, 189, 45, 18, "SPAN-", A::ScopeSpanDown, W::Press, 0},
    {40, 227, 189, 45, 18, "SCOPE", A::ScopeOnOff, W::Press, 0},
    {41, 274, 189, 45, 18, "PAUSE", A::ScopePause, W::Press, 0},
    {42, 83, 217, 45, 18, "STOP", A::ScanStopKey, W::Press, 0},
    {43, 133, 217, 45, 18, "PROG", A::ProgramScan, W::Press, 0},
    {44, 180, 217, 45, 18, "AUTO-W", A::AutoWriteScan, W::Press, 0},
    {45, 227, 217, 45, 18, "MEMORY", A::MemoryScan, W::Press, 0},
    {46, 274, 217, 45, 18, "SET", A::ScanSettings, W::Press, 0},
    {50, 358, 138, 82, 82, "DIAL", A::Dial, W::Every, 0},
    {60, 134, 26, 29, 9, "", A::None, W::Press, 0},
    {61, 135, 73, 20, 24, "", A::None, W::Press, 0},
    {62, 159, 73, 20, 24, "", A::None, W::Press, 0},
    {63, 183, 73, 20, 24, "", A::None, W::Press, 0},
    {64, 207, 73, 20, 24, "", A::None, W::Press, 0},
    {65, 231, 73, 20, 24, "", A::None, W::Press, 0},
    {66, 235, 73, 20, 24, "", A::None, W::Press, 0},
    {67, 259, 73, 20, 24, "", A::None, W::Press, 0},
    {68, 283, 73, 20, 24, "", A::None, W::Press, 0},
    {69, 307, 73, 20, 24, "", A::None, W::Press, 0},
    {70, 311, 73, 20, 24, "", A::None, W::Press, 0},
    {71, 335, 73, 20, 24, "", A::None, W::Press, 0},
    {72, 359, 73, 20, 24, "", A::None, W::Press, 0},
    {73, 146, 105, 61, 10, "", A::None, W::Press, 0},
    {74, 215, 105, 90, 10, "", A::None, W::Press, 0},
    {78, 307, 107, 32, 10, "", A::None, W::Press, 0},
    {79, 168, 95, 28, 8, "", A::None, W::Press, 0},
    {80, 134, 38, 28, 10, "", A::None, W::Press, 0},
    {82, 170, 50, 28, 7, "", A::None, W::Press, 0},
    {83, 170, 27, 28, 7, "", A::None, W::Press, 0},
    {84, 136, 66, 23, 7, "", A::None, W::Press, 0},
    {85, 138, 96, 23, 7, "", A::None, W::Press, 0},
    {86, 215, 96, 31, 7, "", A::None, W::Press, 0},
    {87, 337, 96, 11, 7, "", A::None, W::Press, 0},
    {88, 550, 32, 34, 34, "IF SHIFT", A::IfShift, W::Every, 0, K::RightRaises},
    {89, 19, 130, 40, 17, "NB/AFC", A::AfcOrNb, W::Press, 0},
    {90, 65, 130, 40, 17, "AGC", A::Agc, W::Press, 0},
    {91, 19, 108, 40, 17, "VSC", A::Vsc, W::Press, 0},
    {92, 411, 96, 31, 16, "CW", A::Mode, W::Press, 3},
    {93, 411, 80, 31, 16, "SSB", A::ModeSsb, W::Press, 0},
    {94, 485, 203, 20, 8, "", A::None, W::Press, 0},
    {95, 485, 217, 24, 8, "", A::None, W::Press, 0},
};

}  // namespace

std::span<const RxImage> ReceiverImages() {
    return kImages;
}

const RxImage* FindReceiverImage(int index) {
    static const auto byIndex = [] {
        std::array<const RxImage*, kReceiverImageCount + 1> table{};
        for (const RxImage& image : kImages) table[static_cast<std::size_t>(image.index)] = &image;
        return table;
    }();
    if (index < 0 || index > kReceiverImageCount) return nullptr;
    return byIndex[static_cast<std::size_t>(index)];
}

static bool isKnob(int index) {
    const RxImage* image = FindReceiverImage(index);
    return image && image->knob != RxKnob::None;
}

int ReceiverRepeatTime1st(int index) {
    return isKnob(index) ? 150 : 300;
}

int ReceiverRepeatTime2nd(int index) {
    return isKnob(index) ? 50 : 200;
}

}  // namespace corvell::panels
