// The tuner panel's images as data: every key's rectangle on the skin, legend, pressed bitmap,
// action and firing rule; the read-out places; the dial and the hold indicators. The layout,
// the key dispatch and the pressed states are all read from these tables.
// Thread contract: constants, any thread.
#pragma once

#include <cstdint>
#include <span>

namespace corvell::panels {

enum class TunerAction {
    ChannelDown,
    ChannelUp,
    BankLabelMode,
    BankUp,
    BankDown,
    StepUp,
    StepDown,
    Tenkey,  // key-pad code in TunerImage::tenkeyCode
    Mch,
    MemoryWrite,
    MemoryClear,
    Dial,
    Indicator,  // shows a state only
};

enum class Firing {
    Each,         // the press and every repeat
    First,        // the press only
    HoldConfirm,  // only past the third repeat (RepeatCount > 2)
};

struct TunerImage {
    int16_t index;
    int16_t x, y, width, height;
    int16_t pressedId;  // the bitmap shown while held (0: none)
    TunerAction action;
    Firing firing;
    int16_t tenkeyCode;  // for TunerAction::Tenkey
    const char* legend;
};

inline constexpr int kTunerImageCount = 41;
inline constexpr int16_t kTunerSkinId = 1301;
inline constexpr int kFirstReadoutImage = 27;  // images 27..38: the read-out places
inline constexpr int kDialImage = 39;
inline constexpr int kClearIndicatorImage = 40;
inline constexpr int kWriteIndicatorImage = 41;
inline constexpr int16_t kClearHeldId = 1323;
inline constexpr int16_t kWriteHeldId = 1324;

// Images 2..26 (keys), 39 (dial), 40 and 41 (indicators), in index order.
std::span<const TunerImage> TunerImages();
// The row of an image, or nullptr (image 1 and the read-out places have none).
const TunerImage* FindTunerImage(int index);

// The read-out places 27..38 at top 29, 24 pixels apart; each takes the size of the glyph it
// shows (24 x 20 a digit, 4 x 20 a point).
struct ReadoutPlace {
    int16_t index, left;
};
std::span<const ReadoutPlace> TunerReadoutPlaces();
inline constexpr int kReadoutTop = 29, kReadoutDigitWidth = 24, kReadoutPointWidth = 4,
                     kReadoutHeight = 20;

}  // namespace corvell::panels
