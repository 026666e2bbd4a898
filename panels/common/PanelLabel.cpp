#include "panels/common/PanelLabel.h"

#include <QMouseEvent>

#include "ui/LabelFit.h"

namespace corvell::panels {

PanelLabel::PanelLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
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
    setText(ui::fitCaption(oneLine, font(), width()));
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
