#include "panels/radio/RadioKeys.h"

namespace corvell::panels {
namespace {

using A = RadioAction;
using F = RadioFiring;

constexpr RadioImage kImages[] = {
    {1, 32, 27, 33, 9, A::AutoMode, F::First, false, 0, "AUTO"},
    {2, 75, 27, 21, 9, A::Mode, F::First, false, 0, "LSB"},
    {3, 102, 27, 23, 9, A::Mode, F::First, false, 1, "USB"},
    {4, 131, 27, 19, 9, A::Mode, F::First, false, 3, "CW"},
    {5, 154, 27, 17, 9, A::Mode, F::First, false, 2, "AM"},
    {6, 177, 27, 15, 9, A::Mode, F::First, false, 5, "FM"},
    {7, 197, 27, 28, 9, A::Mode, F::First, false, 6, "WFM"},
    {8, 232, 28, 31, 8, A::Filter, F::First, false, 0, "FILTER"},
    {9, 30, 39, 14, 39, A::EntryToggle, F::First, false, 0, "1000 MHz"},
    {10, 45, 39, 25, 39, A::EntryToggle, F::First, false, 0, "100 MHz"},
    {11, 71, 39, 25, 39, A::EntryToggle, F::First, false, 0, "10 MHz"},
    {12, 97, 39, 25, 39, A::EntryToggle, F::First, false, 0, "1 MHz"},
    {14, 126, 39, 25, 39, A::EntryToggle, F::First, false, 0, "100 kHz"},
    {15, 152, 39, 25, 39, A::EntryToggle, F::First, false, 0, "10 kHz"},
    {16, 178, 39, 25, 39, A::EntryToggle, F::First, false, 0, "1 kHz"},
    {18, 209, 47, 20, 31, A::None, F::Never, false, 0, "100 Hz"},
    {19, 230, 47, 20, 31, A::None, F::Never, false, 0, "10 Hz"},
    {13, 123, 75, 3, 3, A::EntryToggle, F::First, false, 0, "MHz point"},
    {17, 204, 75, 3, 3, A::EntryToggle, F::First, false, 0, "kHz point"},
    {20, 34, 81, 25, 9, A::Att, F::First, false, 0, "ATT"},
    {21, 67, 81, 15, 9, A::Nb, F::First, true, 0, "NB"},
    {22, 91, 81, 25, 9, A::Agc, F::First, true, 0, "AGC"},
    {23, 124, 81, 24, 9, A::Vsc, F::First, false, 0, "VSC"},
    {24, 156, 81, 23, 9, A::Afc, F::First, true, 0, "AFC"},
    {25, 199, 81, 14, 9, A::None, F::Never, false, 0, nullptr},
    {26, 30, 94, 30, 6, A::None, F::Never, false, 0, nullptr},
    {27, 63, 93, 2, 35, A::None, F::Never, false, 0, nullptr},
    {28, 30, 112, 26, 6, A::None, F::Never, false, 0, nullptr},
    {29, 63, 111, 26, 6, A::None, F::Never, false, 0, nullptr},
    {30, 238, 95, 22, 15, A::None, F::Never, false, 0, nullptr},
    {31, 246, 113, 13, 7, A::None, F::Never, false, 0, nullptr},
    {32, 243, 122, 18, 5, A::None, F::Never, false, 0, nullptr},
    {33, 42, 132, 32, 18, A::ListRecall, F::Each, false, 0, "LIST 1"},
    {34, 86, 132, 32, 18, A::ListRecall, F::Each, false, 1, "LIST 2"},
    {35, 130, 132, 32, 18, A::ListRecall, F::Each, false, 2, "LIST 3"},
    {36, 174, 132, 32, 18, A::ListRecall, F::Each, false, 3, "LIST 4"},
    {37, 218, 132, 32, 18, A::ListRecall, F::Each, false, 4, "LIST 5"},
    {38, 42, 154, 32, 18, A::ListRecall, F::Each, false, 5, "LIST 6"},
    {39, 86, 154, 32, 18, A::ListRecall, F::Each, false, 6, "LIST 7"},
    {40, 130, 154, 32, 18, A::ListRecall, F::Each, false, 7, "LIST 8"},
    {41, 174, 154, 32, 18, A::ListRecall, F::Each, false, 8, "LIST 9"},
    {42, 218, 154, 32, 18, A::ListRecall, F::Each, false, 9, "LIST 10"},
    {43, 285, 23, 10, 10, A::StepUp, F::Each, false, 0, "STEP UP"},
    {44, 285, 59, 10, 10, A::StepDown, F::Each, false, 0, "STEP DOWN"},
    {45, 355, 24, 22, 44, A::FreqUp, F::Each, false, 0, "FREQ UP"},
    {46, 295, 24, 22, 44, A::FreqDown, F::Each, false, 0, "FREQ DOWN"},
    {47, 317, 24, 38, 22, A::AfGainUp, F::Each, false, 0, "AF UP"},
    {48, 317, 46, 38, 22, A::AfGainDown, F::Each, false, 0, "AF DOWN"},
    {49, 377, 23, 10, 10, A::SquelchUp, F::Each, false, 0, "SQL UP"},
    {50, 377, 59, 10, 10, A::SquelchDown, F::Each, false, 0, "SQL DOWN"},
    {51, 285, 129, 28, 21, A::PageForward, F::Each, false, 0, "LIST UP"},
    {52, 285, 162, 28, 21, A::PageBack, F::Each, false, 0, "LIST DOWN"},
    {53, 315, 129, 28, 21, A::BankUp, F::Each, false, 0, "BANK UP"},
    {54, 315, 162, 28, 21, A::BankDown, F::Each, false, 0, "BANK DOWN"},
    {55, 350, 129, 40, 21, A::EntryToggle, F::First, false, 0, "INPUT"},
    {56, 353, 155, 11, 11, A::MemoryWrite, F::HoldConfirm, false, 0, "M.W"},
    {57, 353, 172, 11, 11, A::MemoryClear, F::HoldConfirm, false, 0, "M.CLR"},
    {58, 367, 156, 20, 8, A::None, F::Never, false, 0, nullptr},
    {59, 367, 174, 24, 8, A::None, F::Never, false, 0, nullptr},
    {60, 210, 81, 53, 9, A::None, F::Never, false, 0, nullptr},
    {61, 217, 37, 38, 9, A::None, F::Never, false, 0, nullptr},
    {62, 254, 69, 6, 8, A::ToneSquelch, F::First, false, 0, "TSQ"},
};

// Images whose bitmaps are not the size of their place: the large digits are 26 pixels wide on
// 25-pixel places, and the frame pieces are longer, shorter or turned against theirs.
struct PictureSize {
    int16_t index, width, height;
};
constexpr PictureSize kPictureSizes[] = {
    {10, 26, 39}, {11, 26, 39}, {12, 26, 39}, {14, 26, 39}, {15, 26, 39},
    {16, 26, 39}, {26, 26, 6},  {27, 2, 17},  {28, 30, 6},  {29, 2, 17},
};

constexpr RadioLabelPlace kLabels[] = {
    {RadioLabel::TsName, {216, 77, 48, 15}, "Arial", 10, true, "500Hz"},
    {RadioLabel::BankNum, {30, 98, 28, 14}, "Arial", 8, true, "88"},
    {RadioLabel::ChNum, {30, 116, 28, 14}, "Arial", 8, true, "88"},
    {RadioLabel::BankName, {67, 90, 168, 21}, nullptr, 14, false, "Bank1"},
    {RadioLabel::ChName, {67, 108, 168, 21}, nullptr, 14, false, "MARINE CH16"},
};

}  // namespace

std::span<const RadioImage> RadioImages() {
    return kImages;
}

const RadioImage* FindRadioImage(int index) {
    for (const RadioImage& image : kImages) {
        if (image.index == index) return &image;
    }
    return nullptr;
}

RadioRect RadioPictureRect(const RadioImage& image) {
    for (const PictureSize& p : kPictureSizes) {
        if (p.index == image.index) return {image.x, image.y, p.width, p.height};
    }
    return {image.x, image.y, image.width, image.height};
}

RadioRect RadioListLabelRect(int i) {
    return {42 + 44 * (i % 5), i < 5 ? 132 : 154, 27, 18};
}

std::span<const RadioLabelPlace> RadioLabelPlaces() {
    return kLabels;
}

}  // namespace corvell::panels
