#include "panels/common/InPlaceEditor.h"

#include <QKeyEvent>
#include <QPalette>

namespace corvell::panels {

InPlaceEditor::InPlaceEditor(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    hide();
}

void InPlaceEditor::open(const QString& text) {
    setText(text);
    qsizetype used = text.size();
    while (used > 0 && text.at(used - 1) == QLatin1Char(' ')) --used;
    setSelection(0, static_cast<int>(used));
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    open_ = true;
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void InPlaceEditor::dismiss() {
    open_ = false;
    hide();
}

void InPlaceEditor::finish(bool commit) {
    if (!open_) return;
    const QString typed = text();
    dismiss();
    if (commit) {
        emit committed(typed);
    } else {
        emit cancelled();
    }
}

void InPlaceEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            finish(true);
            return;
        case Qt::Key_Escape:
            finish(false);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void InPlaceEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    finish(false);
}

}  // namespace corvell::panels
