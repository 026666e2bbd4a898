// The receiver panel's hot zones as data: for each image its rectangle on the skin, its legend,
// what a firing of it does and on which firings. The order of the rows is the layout's.
// Thread contract: constants, any thread.
#pragma once

#include <cstdint>
#include <span>

namespace corvell::panels {

enum class RxAction : uint8_t {
    None,  // a lamp, digit or legend: no action
    Att,
    FilterDown,
    FilterUp,
    AfGain,
    Squelch,
    ScanSpeed,
    ScanDelay,
    IfShift,
    Tenkey,  // code: 0..9 digits, 10 DP, 11 CE, 12 ENT
    Mch,
    StepUp,
    StepDown,
    ChannelDown,
    ChannelUp,
    BankUp,
    BankDown,
    MemoryWrite,
    MemoryClear,
    ToneSquelch,
    Mode,  // code: the mode group (5 FM, 6 WFM, 2 AM, 3 CW)
    ModeSsb,
    AutoMode,
    ScopeSpanUp,
    ScopeSpanDown,
    ScopeOnOff,
    ScopePause,
    ScanStopKey,
    ProgramScan,
    AutoWriteScan,
    MemoryScan,
    ScanSettings,
    Dial,
    AfcOrNb,
    Agc,
    Vsc,
};

// On which firings of a press the action runs.
enum class RxWhen : uint8_t {
    Press,      // the first firing only
    Every,      // every firing while held
    Confirmed,  // only once held past the third firing (RepeatCount > 2)
};

// Which mouse button raises a level knob (the other lowers it).
enum class RxKnob : uint8_t { None, LeftRaises, RightRaises };

struct RxImage {
    int index;
    int x, y, width, height;
    const char* legend;
    RxAction action;
    RxWhen when;
    int16_t code;  // the action's argument: see RxAction
    RxKnob knob = RxKnob::None;
};

inline constexpr int kReceiverImageCount = 95;
inline constexpr int kReceiverSkinId = 3001;
// The frequency read-out: its first digit image and how many places it shows.
inline constexpr int kReceiverFirstDigitImage = 61;
inline constexpr int kReceiverReadoutPlaces = 12;

// Every placed image, in layout order.
std::span<const RxImage> ReceiverImages();
// The row of an image index, or nullptr (an index with no place and no action).
const RxImage* FindReceiverImage(int index);

// The press-and-hold times of an image: the knobs repeat faster.
int ReceiverRepeatTime1st(int index);
int ReceiverRepeatTime2nd(int index);

}  // namespace corvell::panels
