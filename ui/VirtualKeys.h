// The keyboard and mouse codes the windows' key and mouse handlers are written against: key codes
// of the classic PC keyboard scheme (digits and letters by their character, numpad 96..105, F1 at
// 112, arrows 37..40 ...), the shift state (1 Shift, 2 Ctrl, 4 Alt) and the mouse buttons
// (1 left, 2 right, 4 middle), translated from Qt's events at the edge.
// Thread contract: pure functions, callable from any thread.
#pragma once

#include <Qt>

class QKeyEvent;

namespace corvell::ui {

namespace vk {
inline constexpr int Back = 8, Tab = 9, Clear = 12, Return = 13, Shift = 16, Control = 17,
                     Menu = 18, Pause = 19, Capital = 20, Escape = 27, Space = 32, Prior = 33,
                     Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40,
                     Insert = 45, Delete = 46, Key0 = 48, KeyA = 65, Numpad0 = 96, Multiply = 106,
                     Add = 107, Separator = 108, Subtract = 109, Decimal = 110, Divide = 111,
                     F1 = 112, NumLock = 144, Scroll = 145, OemSemicolon = 186, OemPlus = 187,
                     OemComma = 188, OemMinus = 189, OemPeriod = 190, OemSlash = 191,
                     OemTilde = 192, OemOpenBracket = 219, OemBackslash = 220,
                     OemCloseBracket = 221, OemQuote = 222;
}  // namespace vk

// Shift-state bits of key and mouse events.
inline constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;
// Mouse button codes of mouse events.
inline constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;

// The key code of a Qt key (with the keypad flag among the modifiers), 0 for a key that has
// none. Keys are named by their place on a US keyboard: Shift+1 ("!") is still the key "1".
int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
int virtualKeyFromQt(const QKeyEvent& event);

// Shift-state bits of Qt's modifiers.
int shiftStateFromQt(Qt::KeyboardModifiers modifiers);

// The code of one button (the one that went down or up).
int mouseButtonFromQt(Qt::MouseButton button);
// The codes of every button held (what a mouse-move reports).
int mouseButtonsFromQt(Qt::MouseButtons buttons);

}  // namespace corvell::ui
