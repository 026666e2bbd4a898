// Frequency read-out places shared by the tuner and receiver panels: digits 0-9 and the point.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr const char* kDigitSize = "24x20 given; the read-outs place digits 24 px apart";

constexpr ArtRow kRows[] = {
    {1600, 24, 20, Prim::Digit, "0", Face::On, kDigitSize},
    {1601, 24, 20, Prim::Digit, "1", Face::On, kDigitSize},
    {1602, 24, 20, Prim::Digit, "2", Face::On, kDigitSize},
    {1603, 24, 20, Prim::Digit, "3", Face::On, kDigitSize},
    {1604, 24, 20, Prim::Digit, "4", Face::On, kDigitSize},
    {1605, 24, 20, Prim::Digit, "5", Face::On, kDigitSize},
    {1606, 24, 20, Prim::Digit, "6", Face::On, kDigitSize},
    {1607, 24, 20, Prim::Digit, "7", Face::On, kDigitSize},
    {1608, 24, 20, Prim::Digit, "8", Face::On, kDigitSize},
    {1609, 24, 20, Prim::Digit, "9", Face::On, kDigitSize},
    {1610, 4, 20, Prim::DigitPoint, ".", Face::On, "4x20 given"},
};

}  // namespace

constinit const ArtTable kDigitArt{"digits", kRows};

}  // namespace corvell::art
