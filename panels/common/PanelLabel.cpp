#include "panels/common/PanelLabel.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace corvell::panels {

PanelLabel::PanelLabel(QWidget* parent) : ui::PlainLabel(parent) {
    setWordWrap(false);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setContentsMargins(0, 0, 0, 0);
    setIndent(0);
    setMargin(0);
}

void PanelLabel::setFittedText(const QString& text) {
    // Line breaks and other control characters would add lines to a one-line label.
    QString oneLine = text;
    for (QChar& c : oneLine) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            c = QLatin1Char(' ');
        }
    }
    // A very long name is first brought near its fitting length by halving, so the cut from the
    // end one character at a time stays short.
    const QFontMetrics metrics(font());
    if (oneLine.size() > 64 && metrics.horizontalAdvance(oneLine) > width()) {
        qsizetype lo = 1, hi = oneLine.size();
        while (hi - lo > 1) {
            const qsizetype mid = (lo + hi) / 2;
            (metrics.horizontalAdvance(oneLine.left(mid)) > width() ? hi : lo) = mid;
        }
        oneLine.truncate(hi);
    }
    ui::FitLabelCaption(this, oneLine);
}

void PanelLabel::setColours(QColor text, QColor ground) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Window, ground);
    setPalette(pal);
}

void PanelLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit doubleClicked();
}

}  // namespace corvell::panels
