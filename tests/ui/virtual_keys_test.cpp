#include <gtest/gtest.h>

#include <QKeyEvent>

#include "ui/Twips.h"
#include "ui/VirtualKeys.h"

namespace corvell::ui {
namespace {

struct KeyCase {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int expected;
};

TEST(VirtualKeys, QtKeysMapToThePcKeyCodesThePanelsRead) {
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const KeyCase cases[] = {
        {Qt::Key_0, none, 48},         {Qt::Key_5, none, 53},
        {Qt::Key_9, none, 57},         {Qt::Key_0, pad, 96},
        {Qt::Key_7, pad, 103},         {Qt::Key_9, pad, 105},
        {Qt::Key_A, none, 65},         {Qt::Key_M, shift, 77},
        {Qt::Key_Z, none, 90},         {Qt::Key_F1, none, 112},
        {Qt::Key_F12, none, 123},      {Qt::Key_Left, none, 37},
        {Qt::Key_Up, shift, 38},       {Qt::Key_Right, none, 39},
        {Qt::Key_Down, none, 40},      {Qt::Key_PageUp, none, 33},
        {Qt::Key_PageDown, none, 34},  {Qt::Key_Home, none, 36},
        {Qt::Key_End, none, 35},       {Qt::Key_Return, none, 13},
        {Qt::Key_Enter, pad, 13},      {Qt::Key_Escape, none, 27},
        {Qt::Key_Backspace, none, 8},  {Qt::Key_Delete, none, 46},
        {Qt::Key_Insert, none, 45},    {Qt::Key_Tab, none, 9},
        {Qt::Key_Space, none, 32},     {Qt::Key_Period, none, 190},
        {Qt::Key_Period, pad, 110},    {Qt::Key_Comma, pad, 110},
        {Qt::Key_Plus, pad, 107},      {Qt::Key_Minus, pad, 109},
        {Qt::Key_Asterisk, pad, 106},  {Qt::Key_Slash, pad, 111},
        {Qt::Key_Minus, none, 189},    {Qt::Key_Equal, none, 187},
        {Qt::Key_Plus, shift, 187},    {Qt::Key_Comma, none, 188},
        {Qt::Key_Exclam, shift, 49},   {Qt::Key_ParenRight, shift, 48},
        {Qt::Key_Asterisk, shift, 56}, {Qt::Key_Greater, shift, 190},
        {Qt::Key_Home, pad, 36},       {Qt::Key_Shift, shift, 16},
        {Qt::Key_Control, none, 17},   {Qt::Key_Alt, none, 18},
        {Qt::Key_unknown, none, 0},    {Qt::Key_Meta, none, 0},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(virtualKeyFromQt(c.qtKey, c.modifiers), c.expected)
            << "Qt key 0x" << std::hex << c.qtKey << " modifiers 0x" << c.modifiers.toInt();
    }
}

TEST(VirtualKeys, AKeyEventCarriesItsKeypadFlag) {
    const QKeyEvent padDigit(QEvent::KeyPress, Qt::Key_4, Qt::KeypadModifier, "4");
    const QKeyEvent digit(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, "4");
    EXPECT_EQ(virtualKeyFromQt(padDigit), 100);
    EXPECT_EQ(virtualKeyFromQt(digit), 52);
}

TEST(VirtualKeys, ShiftStateIsShiftOneCtrlTwoAltFour) {
    EXPECT_EQ(shiftStateFromQt(Qt::NoModifier), 0);
    EXPECT_EQ(shiftStateFromQt(Qt::ShiftModifier), 1);
    EXPECT_EQ(shiftStateFromQt(Qt::ControlModifier), 2);
    EXPECT_EQ(shiftStateFromQt(Qt::AltModifier), 4);
    EXPECT_EQ(shiftStateFromQt(Qt::ShiftModifier | Qt::ControlModifier), 3);
    EXPECT_EQ(shiftStateFromQt(Qt::ShiftModifier | Qt::KeypadModifier | Qt::MetaModifier), 1);
}

TEST(VirtualKeys, MouseButtonsAreLeftOneRightTwoMiddleFour) {
    EXPECT_EQ(mouseButtonFromQt(Qt::LeftButton), 1);
    EXPECT_EQ(mouseButtonFromQt(Qt::RightButton), 2);
    EXPECT_EQ(mouseButtonFromQt(Qt::MiddleButton), 4);
    EXPECT_EQ(mouseButtonFromQt(Qt::BackButton), 0);
    EXPECT_EQ(mouseButtonsFromQt(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(mouseButtonsFromQt(Qt::NoButton), 0);
}

TEST(Twips, FifteenTwipsToThePixelRoundedHalfToEven) {
    EXPECT_EQ(pixelsToTwips(10), 150);
    EXPECT_EQ(twipsToPixels(150), 10);
    EXPECT_EQ(twipsToPixels(22.5), 2);  // 1.5 px -> 2
    EXPECT_EQ(twipsToPixels(37.5), 2);  // 2.5 px -> 2
    EXPECT_EQ(twipsToPixels(52.5), 4);  // 3.5 px -> 4
    EXPECT_EQ(twipsToPixels(-22.5), -2);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
}

}  // namespace
}  // namespace corvell::ui
