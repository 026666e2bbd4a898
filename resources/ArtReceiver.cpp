// The receiver panel: its skin (every key with its legend, the display window with unlit digit
// places, the S-meter and scope windows, five knobs with their scales, the tuning dial) and the
// state faces shown over it: on/off keys, held and blinking keys, lamps, the mode and filter
// read-outs, the centre-tuning meter and the fixed display legends.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

// Knob scale: the mark runs from -240 degrees (level 0) clockwise to 46 degrees (level 255).
constexpr int kKnobFrom = -240;
constexpr int kKnobSweep = 286;
constexpr int kKnobTicks = 11;
// The knobs' caps: the pointer the panel draws from radius 6 to 8 reaches the cap's edge.
constexpr int kKnobCap = 18;

constexpr SkinItem kSkinItems[] = {
    // Display window: busy lamp, centre meter, bank and channel, read-out, mode and filter.
    {SkinPart::Display, 129, 19, 278, 99, nullptr},
    {SkinPart::Lamp, 134, 26, 29, 9, "BUSY"},
    {SkinPart::UnlitDigit, 135, 73, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 159, 73, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 183, 73, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 207, 73, 24, 20, nullptr},
    {SkinPart::UnlitPoint, 231, 73, 4, 20, nullptr},
    {SkinPart::UnlitDigit, 235, 73, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 259, 73, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 283, 73, 24, 20, nullptr},
    {SkinPart::UnlitPoint, 307, 73, 4, 20, nullptr},
    {SkinPart::UnlitDigit, 311, 73, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 335, 73, 24, 20, nullptr},
    {SkinPart::UnlitDigit, 359, 73, 24, 20, nullptr},
    {SkinPart::Caption, 384, 84, 22, 10, "MHz"},
    // S-meter window and the band-scope window.
    {SkinPart::Display, 12, 23, 99, 46, nullptr},
    {SkinPart::Caption, 12, 70, 99, 10, "SIGNAL"},
    {SkinPart::Display, 137, 119, 205, 63, nullptr},
    {SkinPart::Caption, 343, 133, 35, 10, "SCOPE"},
    // Function keys.
    {SkinPart::Key, 19, 108, 40, 17, "VSC"},
    {SkinPart::Key, 65, 108, 40, 17, "ATT"},
    {SkinPart::Key, 19, 130, 40, 17, "NB/AFC"},
    {SkinPart::Key, 65, 130, 40, 17, "AGC"},
    // Knobs with their scales and captions.
    {SkinPart::Caption, 8, 156, 54, 11, "SPEED"},
    {SkinPart::KnobScale, 15, 166, 40, 40, nullptr, kKnobFrom, kKnobSweep, kKnobTicks},
    {SkinPart::Knob, 18, 169, 34, 34, nullptr, kKnobCap},
    {SkinPart::Caption, 61, 156, 54, 11, "DELAY"},
    {SkinPart::KnobScale, 68, 166, 40, 40, nullptr, kKnobFrom, kKnobSweep, kKnobTicks},
    {SkinPart::Knob, 71, 169, 34, 34, nullptr, kKnobCap},
    {SkinPart::Caption, 540, 19, 54, 11, "IF SHIFT"},
    {SkinPart::KnobScale, 547, 29, 40, 40, nullptr, kKnobFrom, kKnobSweep, kKnobTicks},
    {SkinPart::Knob, 550, 32, 34, 34, nullptr, kKnobCap},
    {SkinPart::Caption, 540, 101, 54, 11, "SQUELCH"},
    {SkinPart::KnobScale, 547, 111, 40, 40, nullptr, kKnobFrom, kKnobSweep, kKnobTicks},
    {SkinPart::Knob, 550, 114, 34, 34, nullptr, kKnobCap},
    {SkinPart::Caption, 540, 156, 54, 11, "AF GAIN"},
    {SkinPart::KnobScale, 547, 166, 40, 40, nullptr, kKnobFrom, kKnobSweep, kKnobTicks},
    {SkinPart::Knob, 550, 169, 34, 34, nullptr, kKnobCap},
    {SkinPart::Caption, 543, 70, 48, 11, "FILTER"},
    {SkinPart::Key, 543, 82, 24, 12, "\u25bc"},
    {SkinPart::Key, 567, 82, 24, 12, "\u25b2"},
    // Mode keys.
    {SkinPart::Key, 411, 20, 31, 12, "TSQ"},
    {SkinPart::Key, 411, 32, 31, 16, "FM"},
    {SkinPart::Key, 411, 48, 31, 16, "WFM"},
    {SkinPart::Key, 411, 64, 31, 16, "AM"},
    {SkinPart::Key, 411, 80, 31, 16, "SSB"},
    {SkinPart::Key, 411, 96, 31, 16, "CW"},
    {SkinPart::Key, 411, 113, 31, 16, "AUTO"},
    // Key pad.
    {SkinPart::Key, 446, 22, 27, 15, "1"},
    {SkinPart::Key, 473, 22, 27, 15, "2"},
    {SkinPart::Key, 500, 22, 27, 15, "3"},
    {SkinPart::Key, 446, 37, 27, 15, "4"},
    {SkinPart::Key, 473, 37, 27, 15, "5"},
    {SkinPart::Key, 500, 37, 27, 15, "6"},
    {SkinPart::Key, 446, 52, 27, 15, "7"},
    {SkinPart::Key, 473, 52, 27, 15, "8"},
    {SkinPart::Key, 500, 52, 27, 15, "9"},
    {SkinPart::Key, 446, 67, 27, 15, "."},
    {SkinPart::Key, 473, 67, 27, 15, "0"},
    {SkinPart::Key, 500, 67, 27, 15, "CE"},
    {SkinPart::Key, 446, 82, 40, 19, "MCH"},
    {SkinPart::Key, 486, 82, 41, 19, "ENT"},
    {SkinPart::Key, 447, 105, 40, 16, "STEP\u25bc"},
    {SkinPart::Key, 487, 105, 40, 16, "STEP\u25b2"},
    // Channel and bank keys, memory write and clear with their hold marks.
    {SkinPart::Caption, 461, 128, 32, 11, "CH"},
    {SkinPart::Caption, 491, 128, 32, 11, "BANK"},
    {SkinPart::Key, 463, 140, 28, 21, "\u25b2"},
    {SkinPart::Key, 493, 140, 28, 21, "\u25b2"},
    {SkinPart::Key, 463, 173, 28, 21, "\u25bc"},
    {SkinPart::Key, 493, 173, 28, 21, "\u25bc"},
    {SkinPart::Key, 471, 201, 11, 11, "W"},
    {SkinPart::Key, 471, 215, 11, 11, "C"},
    {SkinPart::CaptionLeft, 430, 201, 40, 11, "M.WRITE"},
    {SkinPart::CaptionLeft, 430, 215, 40, 11, "M.CLR"},
    {SkinPart::Lamp, 485, 203, 20, 8, nullptr},
    {SkinPart::Lamp, 485, 217, 24, 8, nullptr},
    // The tuning dial.
    {SkinPart::Dial, 358, 138, 82, 82, nullptr},
    // Scope and scan keys.
    {SkinPart::Key, 133, 189, 45, 18, "SPAN\u25b2"},
    {SkinPart::Key, 180, 189, 45, 18, "SPAN\u25bc"},
    {SkinPart::Key, 227, 189, 45, 18, "SCOPE"},
    {SkinPart::Key, 274, 189, 45, 18, "PAUSE"},
    {SkinPart::CaptionLeft, 20, 220, 60, 12, "SCAN"},
    {SkinPart::Key, 83, 217, 45, 18, "STOP"},
    {SkinPart::Key, 133, 217, 45, 18, "PROG"},
    {SkinPart::Key, 180, 217, 45, 18, "AUTO-W"},
    {SkinPart::Key, 227, 217, 45, 18, "MEMORY"},
    {SkinPart::Key, 274, 217, 45, 18, "SET"},
    {SkinPart::CaptionLeft, 330, 226, 96, 13, "RECEIVER"},
};

constexpr SkinLayout kSkin{Body::Dark, kSkinItems};

constexpr const char* kGiven = "size given";
constexpr const char* kKeyRect = "from the key's hot-zone rectangle";
constexpr const char* kLegendRect = "from the legend's hot-zone rectangle";
constexpr const char* kError =
    "the busy lamp's size; the receive-error state has no face of its own";
constexpr int kAmber = static_cast<int>(LampColour::Amber);
constexpr int kGreen = static_cast<int>(LampColour::Green);
constexpr int kRed = static_cast<int>(LampColour::Red);

// On/off keys: off is the plain key, on its lit lamp; "+1" is the same state while held.
constexpr ArtRow kRows[] = {
    {3001, 599, 248, Prim::Skin, "RECEIVER", Face::Normal, kGiven, 0, 0, &kSkin},
    {3002, 40, 17, Prim::Lamp, "VSC", Face::On, kKeyRect, kAmber},
    {3003, 40, 17, Prim::Lamp, "VSC", Face::Held, kKeyRect, kAmber},
    {3004, 40, 17, Prim::Key, "VSC", Face::Normal, kKeyRect},
    {3005, 40, 17, Prim::Key, "VSC", Face::Pressed, kKeyRect},
    {3006, 40, 17, Prim::Lamp, "ATT", Face::On, kKeyRect, kAmber},
    {3007, 40, 17, Prim::Lamp, "ATT", Face::Held, kKeyRect, kAmber},
    {3008, 40, 17, Prim::Key, "ATT", Face::Normal, kKeyRect},
    {3009, 40, 17, Prim::Key, "ATT", Face::Pressed, kKeyRect},
    {3010, 40, 17, Prim::Lamp, "NB", Face::On, kKeyRect, kAmber},
    {3011, 40, 17, Prim::Lamp, "NB", Face::Held, kKeyRect, kAmber},
    {3012, 40, 17, Prim::Key, "NB", Face::Normal, kKeyRect},
    {3013, 40, 17, Prim::Key, "NB", Face::Pressed, kKeyRect},
    {3014, 40, 17, Prim::Lamp, "AFC", Face::On, kKeyRect, kAmber},
    {3015, 40, 17, Prim::Lamp, "AFC", Face::Held, kKeyRect, kAmber},
    {3016, 40, 17, Prim::Key, "AFC", Face::Normal, kKeyRect},
    {3017, 40, 17, Prim::Key, "AFC", Face::Pressed, kKeyRect},
    {3018, 45, 18, Prim::Key, "PROG", Face::Pressed, kKeyRect},
    {3020, 45, 18, Prim::Key, "STOP", Face::Pressed, kKeyRect},
    {3023, 61, 10, Prim::DisplayText, "AM", Face::On, kGiven},
    {3024, 45, 18, Prim::Key, "AUTO-W", Face::Pressed, kKeyRect},
    {3026, 45, 18, Prim::Key, "MEMORY", Face::Pressed, kKeyRect},
    {3028, 45, 18, Prim::Key, "SET", Face::Pressed, kKeyRect},
    {3030, 45, 18, Prim::Key, "SPAN\u25b2", Face::Pressed, kGiven},
    {3032, 45, 18, Prim::Key, "SPAN\u25bc", Face::Pressed, kGiven},
    {3033, 45, 18, Prim::Key, "SCOPE", Face::Normal, kGiven},
    {3034, 45, 18, Prim::Key, "SCOPE", Face::Pressed, kGiven},
    {3035, 45, 18, Prim::Lamp, "SCOPE", Face::On, kGiven, kGreen},
    {3036, 45, 18, Prim::Lamp, "SCOPE", Face::Held, kGiven, kGreen},
    {3038, 45, 18, Prim::Key, "PAUSE", Face::Pressed, kGiven},
    {3040, 31, 16, Prim::Key, "WFM", Face::Pressed, kGiven},
    {3042, 31, 16, Prim::Key, "FM", Face::Pressed, kGiven},
    {3044, 31, 16, Prim::Key, "AM", Face::Pressed, kGiven},
    {3046, 31, 16, Prim::Key, "SSB", Face::Pressed, kGiven},
    {3048, 31, 16, Prim::Key, "CW", Face::Pressed, kGiven},
    {3050, 31, 16, Prim::Key, "AUTO", Face::Pressed, kGiven},
    {3052, 27, 15, Prim::Key, "1", Face::Pressed, kGiven},
    {3054, 27, 15, Prim::Key, "2", Face::Pressed, kGiven},
    {3056, 27, 15, Prim::Key, "3", Face::Pressed, kGiven},
    {3058, 27, 15, Prim::Key, "4", Face::Pressed, kGiven},
    {3060, 27, 15, Prim::Key, "5", Face::Pressed, kGiven},
    {3062, 27, 15, Prim::Key, "6", Face::Pressed, kGiven},
    {3064, 27, 15, Prim::Key, "7", Face::Pressed, kGiven},
    {3066, 27, 15, Prim::Key, "8", Face::Pressed, kGiven},
    {3068, 27, 15, Prim::Key, "9", Face::Pressed, kGiven},
    {3070, 27, 15, Prim::Key, ".", Face::Pressed, kGiven},
    {3072, 27, 15, Prim::Key, "0", Face::Pressed, kGiven},
    {3074, 27, 15, Prim::Key, "CE", Face::Pressed, kGiven},
    {3076, 40, 19, Prim::Key, "MCH", Face::Pressed, kGiven},
    {3078, 41, 19, Prim::Key, "ENT", Face::Pressed, kGiven},
    {3080, 40, 16, Prim::Key, "STEP\u25bc", Face::Pressed, kGiven},
    {3082, 40, 16, Prim::Key, "STEP\u25b2", Face::Pressed, kGiven},
    {3084, 24, 12, Prim::Key, "\u25bc", Face::Pressed, kGiven},
    {3086, 24, 12, Prim::Key, "\u25b2", Face::Pressed, kGiven},
    {3087, 11, 7, Prim::DisplayLamp, "TS", Face::On, kLegendRect},
    {3088, 31, 7, Prim::DisplayLamp, "FILTER", Face::On, kLegendRect},
    {3089, 23, 7, Prim::DisplayLamp, "MODE", Face::On, kLegendRect},
    {3090, 23, 7, Prim::DisplayLamp, "FREQ", Face::On, kLegendRect},
    {3091, 28, 7, Prim::DisplayLamp, "BANK", Face::On, kLegendRect},
    {3092, 28, 7, Prim::DisplayLamp, "CH", Face::On, kLegendRect},
    {3094, 28, 10, Prim::MeterSteps, "centre low", Face::On, kGiven, 3, 0},
    {3095, 28, 10, Prim::MeterSteps, "centre", Face::On, kGiven, 3, 1},
    {3096, 28, 10, Prim::MeterSteps, "centre high", Face::On, kGiven, 3, 2},
    {3097, 29, 9, Prim::Lamp, "ERR", Face::On, kError, kRed},
    {3098, 29, 9, Prim::Lamp, "BUSY", Face::On, kGiven, kGreen},
    {3099, 61, 10, Prim::DisplayText, "WFM", Face::On, kGiven},
    {3100, 61, 10, Prim::DisplayText, "FM", Face::On, kGiven},
    {3102, 45, 18, Prim::Lamp, "MEMORY", Face::Blinking, kKeyRect, kAmber},
    {3103, 61, 10, Prim::DisplayText, "USB", Face::On, kGiven},
    {3104, 61, 10, Prim::DisplayText, "LSB", Face::On, kGiven},
    {3105, 90, 10, Prim::DisplayText, "FIL 230k", Face::On, kGiven},
    {3106, 90, 10, Prim::DisplayText, "FIL 50k", Face::On, kGiven},
    {3107, 90, 10, Prim::DisplayText, "FIL 15k", Face::On, kGiven},
    {3108, 90, 10, Prim::DisplayText, "FIL 6k", Face::On, kGiven},
    {3109, 90, 10, Prim::DisplayText, "FIL 3k", Face::On, kGiven},
    {3110, 40, 17, Prim::Lamp, "AGC", Face::On, kKeyRect, kAmber},
    {3111, 40, 17, Prim::Lamp, "AGC", Face::Held, kKeyRect, kAmber},
    {3112, 40, 17, Prim::Key, "AGC", Face::Normal, kKeyRect},
    {3113, 40, 17, Prim::Key, "AGC", Face::Pressed, kKeyRect},
    {3114, 45, 18, Prim::Lamp, "PROG", Face::Blinking, kKeyRect, kAmber},
    {3115, 45, 18, Prim::Lamp, "AUTO-W", Face::Blinking, kKeyRect, kAmber},
    {3116, 61, 10, Prim::DisplayText, "CW", Face::On, kGiven},
    {3117, 31, 12, Prim::Key, "TSQ", Face::Pressed, kGiven},
    {3118, 28, 8, Prim::DisplayLamp, "AUTO", Face::On, kGiven},
};

}  // namespace

constinit const ArtTable kReceiverArt{"receiver", kRows};

}  // namespace corvell::art
