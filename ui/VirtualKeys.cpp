#include "ui/VirtualKeys.h"

#include <QKeyEvent>

namespace corvell::ui {
namespace {

// Keys of the numeric keypad whose code differs from the main keyboard's.
int keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::Numpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Asterisk:
            return vk::Multiply;
        case Qt::Key_Plus:
            return vk::Add;
        case Qt::Key_Minus:
            return vk::Subtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:  // the decimal key of layouts that write a decimal comma
            return vk::Decimal;
        case Qt::Key_Slash:
            return vk::Divide;
        default:
            return 0;  // Enter and the navigation keys read as on the main keyboard
    }
}

// Shifted symbols of a US keyboard, named by the key that types them.
int symbolKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_At:
            return '2';
        case Qt::Key_NumberSign:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        case Qt::Key_Percent:
            return '5';
        case Qt::Key_AsciiCircum:
            return '6';
        case Qt::Key_Ampersand:
            return '7';
        case Qt::Key_Asterisk:
            return '8';
        case Qt::Key_ParenLeft:
            return '9';
        case Qt::Key_ParenRight:
            return '0';
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return vk::OemSemicolon;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return vk::OemPlus;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return vk::OemComma;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return vk::OemMinus;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return vk::OemPeriod;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return vk::OemSlash;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return vk::OemTilde;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return vk::OemOpenBracket;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return vk::OemBackslash;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return vk::OemCloseBracket;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return vk::OemQuote;
        default:
            return 0;
    }
}

int controlKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace:
            return vk::Back;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vk::Tab;
        case Qt::Key_Clear:
            return vk::Clear;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::Return;
        case Qt::Key_Shift:
            return vk::Shift;
        case Qt::Key_Control:
            return vk::Control;
        case Qt::Key_Alt:
            return vk::Menu;
        case Qt::Key_Pause:
            return vk::Pause;
        case Qt::Key_CapsLock:
            return vk::Capital;
        case Qt::Key_Escape:
            return vk::Escape;
        case Qt::Key_Space:
            return vk::Space;
        case Qt::Key_PageUp:
            return vk::Prior;
        case Qt::Key_PageDown:
            return vk::Next;
        case Qt::Key_End:
            return vk::End;
        case Qt::Key_Home:
            return vk::Home;
        case Qt::Key_Left:
            return vk::Left;
        case Qt::Key_Up:
            return vk::Up;
        case Qt::Key_Right:
            return vk::Right;
        case Qt::Key_Down:
            return vk::Down;
        case Qt::Key_Insert:
            return vk::Insert;
        case Qt::Key_Delete:
            return vk::Delete;
        case Qt::Key_NumLock:
            return vk::NumLock;
        case Qt::Key_ScrollLock:
            return vk::Scroll;
        default:
            return 0;
    }
}

}  // namespace

int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int code = keypadKey(qtKey)) return code;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::Key0 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return vk::KeyA + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::F1 + (qtKey - Qt::Key_F1);
    if (const int code = controlKey(qtKey)) return code;
    return symbolKey(qtKey);
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
