// The radio panel's 62 images as data: each image's rectangle on the 400 x 200 skin, the legend
// a screen reader reads, what a press does and on which firings. The layout, the key dispatch
// and the tests all read this one table.
// Thread contract: constants, any thread.
#pragma once

#include <cstdint>
#include <span>

namespace corvell::panels {

enum class RadioAction {
    None,  // shows a state only
    AutoMode,
    Mode,  // code in RadioImage::arg
    Filter,
    EntryToggle,
    Att,
    Nb,
    Agc,
    Vsc,
    Afc,
    ListRecall,  // list place in RadioImage::arg (0..9)
    StepUp,
    StepDown,
    FreqUp,
    FreqDown,
    AfGainUp,
    AfGainDown,
    SquelchUp,
    SquelchDown,
    PageForward,
    PageBack,
    BankUp,
    BankDown,
    MemoryWrite,
    MemoryClear,
    ToneSquelch,
};

enum class RadioFiring {
    Never,
    First,        // the press only (RepeatStat 1)
    Each,         // the press and every repeat
    HoldConfirm,  // only while RepeatCount > 2
};

struct RadioImage {
    int16_t index;
    int16_t x, y, width, height;
    RadioAction action;
    RadioFiring firing;
    bool notBlank;  // skipped while the receiver is blank
    int16_t arg;
    const char* legend;  // nullptr: the image is not a key
};

inline constexpr int kRadioImageCount = 62;
inline constexpr int16_t kRadioSkinId = 2000;
inline constexpr int kRadioSkinWidth = 400;
inline constexpr int kRadioSkinHeight = 200;
inline constexpr int kRadioEntryDigits = 9;
inline constexpr int kRadioFirstDigitImage = 9;  // text position 1 of the read-out
inline constexpr int kRadioCentreImage = 31;
inline constexpr int kRadioFirstListImage = 33;
inline constexpr int kRadioListPlaces = 10;

// All 62 images in placement order (images 13 and 17 after 19).
std::span<const RadioImage> RadioImages();
// The row of image `index` (1..62), or nullptr.
const RadioImage* FindRadioImage(int index);

// The rectangle of list label i (0..9): over the left 27 pixels of marker image 33 + i.
struct RadioRect {
    int x, y, width, height;
    bool operator==(const RadioRect&) const = default;
};
RadioRect RadioListLabelRect(int i);
// Where image `image` lies on the panel: at its table's corner, the size of the bitmaps it shows,
// so each is drawn whole (the table's own size where the two agree).
RadioRect RadioPictureRect(const RadioImage& image);

// The text labels of the panel, with the sample text their font is fitted to.
enum class RadioLabel { TsName, BankNum, ChNum, BankName, ChName };
struct RadioLabelPlace {
    RadioLabel label;
    RadioRect rect;
    const char* fontFamily;  // nullptr: the locale font
    double points;
    bool bold;
    const char* sample;
};
std::span<const RadioLabelPlace> RadioLabelPlaces();

}  // namespace corvell::panels
