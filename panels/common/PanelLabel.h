// A text label of a drawn panel: fixed rectangle, plain text only (a station name is never read
// as markup), one line, the caption cut from its end to fit the width, and a double click that
// opens the panel's in-place editor.
// Thread contract: user-interface thread only.
#pragma once

#include <QColor>

#include "ui/Labels.h"

namespace corvell::panels {

class PanelLabel : public ui::PlainLabel {
    Q_OBJECT

  public:
    explicit PanelLabel(QWidget* parent = nullptr);

    // Shows `text` on one line (control characters become blanks), cut from its end until it
    // fits the label's width (at least one character).
    void setFittedText(const QString& text);
    void setColours(QColor text, QColor ground);

  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace corvell::panels
