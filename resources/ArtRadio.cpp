// The radio panel, the light variant: its skin (the frequency window with unlit places, the
// printed captions and every key with its legend at its hot zone), the mode, filter and function
// lamps, the meters, the list places, the keys normal and pressed, the large and small digits
// and the hold confirmations.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr int kLight = 1;  // Prim::Key: drawn on the light body
constexpr int kAmber = static_cast<int>(LampColour::Amber);
constexpr int kGreen = static_cast<int>(LampColour::Green);
constexpr int kRed = static_cast<int>(LampColour::Red);

constexpr SkinItem kSkinItems[] = {
    {SkinPart::CaptionLeft, 30, 5, 120, 14, "RADIO"},
    // Mode and filter lamps (the images cover them with their own state).
    {SkinPart::Lamp, 32, 27, 33, 9, "AUTO"},
    {SkinPart::Lamp, 75, 27, 21, 9, "LSB"},
    {SkinPart::Lamp, 102, 27, 23, 9, "USB"},
    {SkinPart::Lamp, 131, 27, 19, 9, "CW"},
    {SkinPart::Lamp, 154, 27, 17, 9, "AM"},
    {SkinPart::Lamp, 177, 27, 15, 9, "FM"},
    {SkinPart::Lamp, 197, 27, 28, 9, "WFM"},
    {SkinPart::Lamp, 232, 28, 31, 8, "FIL"},
    // The frequency window: MMMM.kkk.hh, the last two places small; the unlit places are the
    // size of the digits that light them.
    {SkinPart::Display, 27, 36, 238, 44, nullptr},
    {SkinPart::UnlitDigit, 45, 39, 26, 39, nullptr},
    {SkinPart::UnlitDigit, 71, 39, 26, 39, nullptr},
    {SkinPart::UnlitDigit, 97, 39, 26, 39, nullptr},
    {SkinPart::UnlitPoint, 123, 75, 3, 3, nullptr},
    {SkinPart::UnlitDigit, 126, 39, 26, 39, nullptr},
    {SkinPart::UnlitDigit, 152, 39, 26, 39, nullptr},
    {SkinPart::UnlitDigit, 178, 39, 26, 39, nullptr},
    {SkinPart::UnlitPoint, 204, 75, 3, 3, nullptr},
    {SkinPart::UnlitDigit, 209, 47, 20, 31, nullptr},
    {SkinPart::UnlitDigit, 230, 47, 20, 31, nullptr},
    // Function lamps.
    {SkinPart::Lamp, 34, 81, 25, 9, "ATT"},
    {SkinPart::Lamp, 67, 81, 15, 9, "NB"},
    {SkinPart::Lamp, 91, 81, 25, 9, "AGC"},
    {SkinPart::Lamp, 124, 81, 24, 9, "VSC"},
    {SkinPart::Lamp, 156, 81, 23, 9, "AFC"},
    // Channel list, and the border of the key area.
    {SkinPart::Caption, 4, 133, 36, 16, "CH"},
    {SkinPart::Caption, 4, 155, 36, 16, "CH"},
    // Keys: step, frequency, AF gain, squelch.
    {SkinPart::Caption, 281, 4, 112, 14, "STEP  FREQ  AF  SQL"},
    {SkinPart::Key, 285, 23, 10, 10, "\u25b2"},
    {SkinPart::Caption, 281, 37, 16, 16, "TS"},
    {SkinPart::Key, 285, 59, 10, 10, "\u25bc"},
    {SkinPart::Key, 295, 24, 22, 44, "\u25bc"},
    {SkinPart::Key, 355, 24, 22, 44, "\u25b2"},
    {SkinPart::Key, 317, 24, 38, 22, "AF\u25b2"},
    {SkinPart::Key, 317, 46, 38, 22, "AF\u25bc"},
    {SkinPart::Key, 377, 23, 10, 10, "\u25b2"},
    {SkinPart::Caption, 374, 37, 18, 16, "SQ"},
    {SkinPart::Key, 377, 59, 10, 10, "\u25bc"},
    {SkinPart::Caption, 293, 70, 26, 10, "DOWN"},
    {SkinPart::Caption, 353, 70, 26, 10, "UP"},
    // Keys: list page, bank, entry, write and clear.
    {SkinPart::Caption, 283, 116, 32, 11, "LIST"},
    {SkinPart::Caption, 313, 116, 32, 11, "BANK"},
    {SkinPart::Key, 285, 129, 28, 21, "\u25b2"},
    {SkinPart::Key, 285, 162, 28, 21, "\u25bc"},
    {SkinPart::Key, 315, 129, 28, 21, "\u25b2"},
    {SkinPart::Key, 315, 162, 28, 21, "\u25bc"},
    {SkinPart::Key, 350, 129, 40, 21, "INPUT"},
    {SkinPart::Key, 353, 155, 11, 11, nullptr},
    {SkinPart::Key, 353, 172, 11, 11, nullptr},
    {SkinPart::Lamp, 367, 156, 20, 8, "M.W"},
    {SkinPart::Lamp, 367, 174, 24, 8, "M.CLR"},
};

constexpr SkinLayout kSkin{Body::Light, kSkinItems};

constexpr const char* kGiven = "size given";
constexpr const char* kBlankPlace =
    "size given; a place with every segment unlit, beside the digit set";

constexpr ArtRow kRows[] = {
    {2000, 400, 200, Prim::Skin, "RADIO", Face::Normal, kGiven, 0, 0, &kSkin},
    {2001, 33, 9, Prim::Lamp, "AUTO", Face::Off, kGiven, kAmber},
    {2002, 33, 9, Prim::Lamp, "AUTO", Face::On, kGiven, kAmber},
    {2003, 21, 9, Prim::Lamp, "LSB", Face::Off, kGiven, kAmber},
    {2004, 21, 9, Prim::Lamp, "LSB", Face::On, kGiven, kAmber},
    {2005, 23, 9, Prim::Lamp, "USB", Face::Off, kGiven, kAmber},
    {2006, 23, 9, Prim::Lamp, "USB", Face::On, kGiven, kAmber},
    {2007, 19, 9, Prim::Lamp, "CW", Face::Off, kGiven, kAmber},
    {2008, 19, 9, Prim::Lamp, "CW", Face::On, kGiven, kAmber},
    {2009, 17, 9, Prim::Lamp, "AM", Face::Off, kGiven, kAmber},
    {2010, 17, 9, Prim::Lamp, "AM", Face::On, kGiven, kAmber},
    {2011, 6, 8, Prim::Lamp, "", Face::On, kGiven, kAmber},
    {2012, 15, 9, Prim::Lamp, "FM", Face::Off, kGiven, kAmber},
    {2013, 15, 9, Prim::Lamp, "FM", Face::On, kGiven, kAmber},
    {2014, 28, 9, Prim::Lamp, "WFM", Face::Off, kGiven, kAmber},
    {2015, 28, 9, Prim::Lamp, "WFM", Face::On, kGiven, kAmber},
    {2016, 31, 8, Prim::Lamp, "FIL", Face::Off, kGiven, kAmber},
    {2017, 31, 8, Prim::Lamp, "3k", Face::On, kGiven, kAmber},
    {2018, 31, 8, Prim::Lamp, "6k", Face::On, kGiven, kAmber},
    {2019, 31, 8, Prim::Lamp, "15k", Face::On, kGiven, kAmber},
    {2020, 31, 8, Prim::Lamp, "50k", Face::On, kGiven, kAmber},
    {2021, 31, 8, Prim::Lamp, "230k", Face::On, kGiven, kAmber},
    {2022, 23, 9, Prim::Lamp, "ATT", Face::Off, kGiven, kAmber},
    {2023, 23, 9, Prim::Lamp, "ATT", Face::On, kGiven, kAmber},
    {2024, 15, 9, Prim::Lamp, "NB", Face::Off, kGiven, kAmber},
    {2025, 15, 9, Prim::Lamp, "NB", Face::On, kGiven, kAmber},
    {2026, 25, 9, Prim::Lamp, "AGC", Face::Off, kGiven, kAmber},
    {2027, 25, 9, Prim::Lamp, "AGC", Face::On, kGiven, kAmber},
    {2028, 24, 9, Prim::Lamp, "VSC", Face::Off, kGiven, kAmber},
    {2029, 24, 9, Prim::Lamp, "VSC", Face::On, kGiven, kAmber},
    {2030, 23, 9, Prim::Lamp, "AFC", Face::Off, kGiven, kAmber},
    {2031, 23, 9, Prim::Lamp, "AFC", Face::On, kGiven, kAmber},
    {2032, 14, 9, Prim::Lamp, "BLK", Face::On, kGiven, kRed},
    {2033, 14, 9, Prim::Lamp, "BLK", Face::Off, kGiven, kRed},
    {2034, 22, 15, Prim::MeterBar, "S 0", Face::On, kGiven, 4, 0},
    {2035, 22, 15, Prim::MeterBar, "S 1", Face::On, kGiven, 4, 1},
    {2036, 22, 15, Prim::MeterBar, "S 2", Face::On, kGiven, 4, 2},
    {2037, 22, 15, Prim::MeterBar, "S 3", Face::On, kGiven, 4, 3},
    {2038, 22, 15, Prim::MeterBar, "S 4", Face::On, kGiven, 4, 4},
    {2039, 13, 7, Prim::MeterSteps, "centre low", Face::On, kGiven, 3, 0},
    {2040, 13, 7, Prim::MeterSteps, "centred", Face::On, kGiven, 3, 1},
    {2041, 13, 7, Prim::MeterSteps, "centre high", Face::On, kGiven, 3, 2},
    {2042, 18, 5, Prim::Lamp, "", Face::Off, kGiven, kGreen},
    {2043, 18, 5, Prim::Lamp, "", Face::On, kGiven, kGreen},
    {2044, 26, 6, Prim::Rule, "", Face::Normal, kGiven},
    {2045, 30, 6, Prim::Rule, "", Face::Normal, kGiven},
    {2046, 2, 17, Prim::Rule, "", Face::Normal, kGiven},
    {2047, 2, 17, Prim::Rule, "", Face::Normal, kGiven},
    {2048, 32, 18, Prim::ListMarker, "", Face::On, kGiven},
    {2049, 32, 18, Prim::ListMarker, "", Face::Off, kGiven},
    {2050, 10, 10, Prim::Key, "\u25b2", Face::Normal, kGiven, kLight},
    {2051, 10, 10, Prim::Key, "\u25b2", Face::Pressed, kGiven, kLight},
    {2052, 22, 44, Prim::Key, "\u25bc", Face::Normal, kGiven, kLight},
    {2053, 22, 44, Prim::Key, "\u25bc", Face::Pressed, kGiven, kLight},
    {2054, 22, 44, Prim::Key, "\u25b2", Face::Normal, kGiven, kLight},
    {2055, 22, 44, Prim::Key, "\u25b2", Face::Pressed, kGiven, kLight},
    {2056, 38, 22, Prim::Key, "AF\u25b2", Face::Normal, kGiven, kLight},
    {2057, 38, 22, Prim::Key, "AF\u25b2", Face::Pressed, kGiven, kLight},
    {2058, 38, 22, Prim::Key, "AF\u25bc", Face::Normal, kGiven, kLight},
    {2059, 38, 22, Prim::Key, "AF\u25bc", Face::Pressed, kGiven, kLight},
    {2060, 28, 21, Prim::Key, "\u25b2", Face::Normal, kGiven, kLight},
    {2061, 28, 21, Prim::Key, "\u25b2", Face::Pressed, kGiven, kLight},
    {2062, 28, 21, Prim::Key, "\u25bc", Face::Normal, kGiven, kLight},
    {2063, 28, 21, Prim::Key, "\u25bc", Face::Pressed, kGiven, kLight},
    {2064, 40, 21, Prim::Key, "INPUT", Face::Normal, kGiven, kLight},
    {2065, 40, 21, Prim::Key, "INPUT", Face::Pressed, kGiven, kLight},
    {2066, 11, 11, Prim::Key, "", Face::Normal, kGiven, kLight},
    {2067, 11, 11, Prim::Key, "", Face::Pressed, kGiven, kLight},
    {2068, 10, 10, Prim::Key, "\u25bc", Face::Normal, kGiven, kLight},
    {2069, 10, 10, Prim::Key, "\u25bc", Face::Pressed, kGiven, kLight},
    {2070, 26, 39, Prim::Digit, "0", Face::On, kGiven},
    {2071, 26, 39, Prim::Digit, "1", Face::On, kGiven},
    {2072, 26, 39, Prim::Digit, "2", Face::On, kGiven},
    {2073, 26, 39, Prim::Digit, "3", Face::On, kGiven},
    {2074, 26, 39, Prim::Digit, "4", Face::On, kGiven},
    {2075, 26, 39, Prim::Digit, "5", Face::On, kGiven},
    {2076, 26, 39, Prim::Digit, "6", Face::On, kGiven},
    {2077, 26, 39, Prim::Digit, "7", Face::On, kGiven},
    {2078, 26, 39, Prim::Digit, "8", Face::On, kGiven},
    {2079, 26, 39, Prim::Digit, "9", Face::On, kGiven},
    {2080, 26, 39, Prim::Digit, " ", Face::Off, kBlankPlace},
    {2081, 20, 31, Prim::Digit, "0", Face::On, kGiven},
    {2082, 20, 31, Prim::Digit, "1", Face::On, kGiven},
    {2083, 20, 31, Prim::Digit, "2", Face::On, kGiven},
    {2084, 20, 31, Prim::Digit, "3", Face::On, kGiven},
    {2085, 20, 31, Prim::Digit, "4", Face::On, kGiven},
    {2086, 20, 31, Prim::Digit, "5", Face::On, kGiven},
    {2087, 20, 31, Prim::Digit, "6", Face::On, kGiven},
    {2088, 20, 31, Prim::Digit, "7", Face::On, kGiven},
    {2089, 20, 31, Prim::Digit, "8", Face::On, kGiven},
    {2090, 20, 31, Prim::Digit, "9", Face::On, kGiven},
    {2091, 20, 31, Prim::Digit, " ", Face::Off, kBlankPlace},
    {2092, 3, 3, Prim::DigitPoint, ".", Face::On, kGiven},
    {2093, 20, 8, Prim::Lamp, "M.W", Face::Off, kGiven, kAmber},
    {2094, 20, 8, Prim::Lamp, "M.W", Face::On, kGiven, kAmber},
    {2095, 24, 8, Prim::Lamp, "M.CLR", Face::Off, kGiven, kRed},
    {2096, 24, 8, Prim::Lamp, "M.CLR", Face::On, kGiven, kRed},
    {2097, 38, 9, Prim::DisplayLamp, "MHz", Face::Off, kGiven},
    {2098, 38, 9, Prim::DisplayLamp, "INPUT", Face::On, kGiven},
    {2099, 38, 9, Prim::DisplayLamp, "MHz", Face::On, kGiven},
    {2100, 6, 8, Prim::Lamp, "", Face::Off, kGiven, kAmber},
    {2101, 14, 39, Prim::Digit, "1", Face::On, "size given; the narrow one of the thousands place"},
};

}  // namespace

constinit const ArtTable kRadioArt{"radio", kRows};

}  // namespace corvell::art
