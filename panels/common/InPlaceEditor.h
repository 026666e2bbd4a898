// The in-place name editor of the drawn panels: a text box laid over a label. Enter commits the
// typed text; Escape or the loss of focus cancels. Each opening ends in exactly one of the two
// signals, and the editor is hidden before the signal goes out.
// Thread contract: user-interface thread only.
#pragma once

#include <QLineEdit>

namespace corvell::panels {

class InPlaceEditor : public QLineEdit {
    Q_OBJECT

  public:
    explicit InPlaceEditor(QWidget* parent = nullptr);

    // Shows the editor with `text`, selects it up to its last non-blank character, white ground
    // and black text, and takes the focus.
    void open(const QString& text);
    bool isOpen() const { return open_; }
    // Hides the editor without a signal.
    void dismiss();

  signals:
    void committed(const QString& text);
    void cancelled();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void finish(bool commit);

    bool open_ = false;
};

}  // namespace corvell::panels
