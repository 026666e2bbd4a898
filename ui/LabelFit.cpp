#include "ui/LabelFit.h"

#include <QFont>
#include <QLabel>

namespace corvell::ui {

void SetControlFont(QWidget& control, double sizePt, bool bold) {
    QFont font(kProgramFont);
    font.setPointSizeF(sizePt);
    font.setBold(bold);
    font.setUnderline(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    control.setFont(font);
}

void FitLabelAndCentre(int alignment, QLabel& label, const QString& text, double sizePt, int x,
                       int y, int maxW, int maxH) {
    if (label.text() == text) return;
    label.hide();
    label.setText(text);
    QFont font = label.font();
    double size = sizePt;
    for (;;) {
        font.setPointSizeF(size);
        label.setFont(font);
        label.adjustSize();
        if (label.width() <= maxW && label.height() <= maxH) break;
        if (size - 0.5 < kSmallestFontPt) break;
        size -= 0.5;
    }
    const int top = y - label.height() / 2;
    if (alignment == 0) label.move(x, top);
    if (alignment == 1) label.move(x - label.width(), top);
    label.show();
}

}  // namespace corvell::ui
