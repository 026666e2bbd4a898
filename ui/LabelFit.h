// Texts set in the program's font ("Arial", resolved by fontconfig to a metric-compatible face)
// and fitted to a box by shrinking the font.
// Thread contract: user-interface thread only.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace corvell::ui {

inline constexpr const char* kProgramFont = "Arial";
// No text is ever shrunk below this size: a text that cannot fit stops here.
inline constexpr double kSmallestFontPt = 1.0;

// Name "Arial", the size, bold as asked; underline, italic and strike-through off.
void SetControlFont(QWidget& control, double sizePt, bool bold);

// Sizes the label to its text starting at `sizePt`, lowering the size by 0.5 pt until it fits
// maxW x maxH (pixels) or the size is below 1 pt; then alignment 0 puts its left edge at x,
// 1 its right edge, and centres it vertically on y. A label already showing `text` is left
// exactly as it is.
void FitLabelAndCentre(int alignment, QLabel& label, const QString& text, double sizePt, int x,
                       int y, int maxW, int maxH);

}  // namespace corvell::ui
