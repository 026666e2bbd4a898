#include "ui/VirtualKeys.h"

#include <QKeyEvent>

namespace corvell::ui {
namespace {

struct KeyRow {
    int qtKey;
    int code;
};

// Keys of the numeric keypad whose code differs from the main keyboard's (Enter and the
// navigation keys read as on the main keyboard).
constexpr KeyRow kKeypadKeys[] = {
    {Qt::Key_Asterisk, vk::Multiply},
    {Qt::Key_Plus, vk::Add},
    {Qt::Key_Minus, vk::Subtract},
    {Qt::Key_Period, vk::Decimal},
    {Qt::Key_Slash, vk::Divide},
    {Qt::Key_Comma, vk::Decimal},  // the decimal key of layouts that write a decimal comma
};

// Keys that are not characters.
constexpr KeyRow kControlKeys[] = {
    {Qt::Key_Backspace, vk::Back},
    {Qt::Key_Tab, vk::Tab},
    {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Clear, vk::Clear},
    {Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, vk::Return},
    {Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, vk::Control},
    {Qt::Key_Alt, vk::Menu},
    {Qt::Key_Pause, vk::Pause},
    {Qt::Key_CapsLock, vk::Capital},
    {Qt::Key_Escape, vk::Escape},
    {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, vk::Prior},
    {Qt::Key_PageDown, vk::Next},
    {Qt::Key_End, vk::End},
    {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left},
    {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down},
    {Qt::Key_Insert, vk::Insert},
    {Qt::Key_Delete, vk::Delete},
    {Qt::Key_NumLock, vk::NumLock},
    {Qt::Key_ScrollLock, vk::Scroll},
};

// Symbols, named by the key of a US keyboard that types them (shifted or not).
constexpr KeyRow kSymbolKeys[] = {
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Semicolon, vk::OemSemicolon},
    {Qt::Key_Colon, vk::OemSemicolon},
    {Qt::Key_Equal, vk::OemPlus},
    {Qt::Key_Plus, vk::OemPlus},
    {Qt::Key_Comma, vk::OemComma},
    {Qt::Key_Less, vk::OemComma},
    {Qt::Key_Minus, vk::OemMinus},
    {Qt::Key_Underscore, vk::OemMinus},
    {Qt::Key_Period, vk::OemPeriod},
    {Qt::Key_Greater, vk::OemPeriod},
    {Qt::Key_Slash, vk::OemSlash},
    {Qt::Key_Question, vk::OemSlash},
    {Qt::Key_QuoteLeft, vk::OemTilde},
    {Qt::Key_AsciiTilde, vk::OemTilde},
    {Qt::Key_BracketLeft, vk::OemOpenBracket},
    {Qt::Key_BraceLeft, vk::OemOpenBracket},
    {Qt::Key_Backslash, vk::OemBackslash},
    {Qt::Key_Bar, vk::OemBackslash},
    {Qt::Key_BracketRight, vk::OemCloseBracket},
    {Qt::Key_BraceRight, vk::OemCloseBracket},
    {Qt::Key_Apostrophe, vk::OemQuote},
    {Qt::Key_QuoteDbl, vk::OemQuote},
};

template <size_t N>
int lookUp(const KeyRow (&table)[N], int qtKey) {
    for (const KeyRow& row : table) {
        if (row.qtKey == qtKey) return row.code;
    }
    return 0;
}

int keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::Numpad0 + (qtKey - Qt::Key_0);
    return lookUp(kKeypadKeys, qtKey);
}

}  // namespace

int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int code = keypadKey(qtKey)) return code;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::Key0 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return vk::KeyA + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::F1 + (qtKey - Qt::Key_F1);
    if (const int code = lookUp(kControlKeys, qtKey)) return code;
    return lookUp(kSymbolKeys, qtKey);
}

int virtualKeyFromQt(const QKeyEvent& event) {
    return virtualKeyFromQt(event.key(), event.modifiers());
}

int shiftStateFromQt(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) state |= kShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier)) state |= kCtrlMask;
    if (modifiers.testFlag(Qt::AltModifier)) state |= kAltMask;
    return state;
}

int mouseButtonFromQt(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

int mouseButtonsFromQt(Qt::MouseButtons buttons) {
    int codes = 0;
    if (buttons.testFlag(Qt::LeftButton)) codes |= kLeftButton;
    if (buttons.testFlag(Qt::RightButton)) codes |= kRightButton;
    if (buttons.testFlag(Qt::MiddleButton)) codes |= kMiddleButton;
    return codes;
}

}  // namespace corvell::ui
