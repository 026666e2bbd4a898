// The editors a sheet lays over its current cell: one text box and one popup list, children
// of the sheet's viewport. An edit is committed by Enter (and, in the list, by Space or a
// double click on an entry) and abandoned by Esc, by the editor losing the focus and by the
// sheet scrolling. Characters typed on the sheet while the text box is open reach the box, so
// nothing typed ahead is lost; the list always lies inside the sheet.
// Thread contract: user-interface thread only.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace corvell::ui {

class SheetView;

class CellEditors : public QObject {
    Q_OBJECT

  public:
    explicit CellEditors(SheetView& view);

    // Characters the text box never takes from the keyboard (a pasted text may still hold
    // them).
    void setRefusedCharacters(const QString& characters) { refused_ = characters; }

    // Lays the text box over the current cell in the sheet's font, bold, holding `text` with
    // the caret after it, and gives it the focus. A negative `maxLength` keeps the length
    // limit the box had.
    void OpenText(const QString& text, int maxLength);
    // Lays the list (`visibleRows` cells high, the cell's width) over the current cell, moved
    // back inside the sheet where it would pass its right or bottom edge; `selected` is the
    // entry selected (-1: none). It takes the focus.
    void OpenList(const QStringList& items, int selected, int visibleRows = 4);
    // Hides both editors; the edit, if any, is over.
    void Hide();

    // An editor is open.
    bool Editing() const { return editing_; }
    bool TextOpen() const;
    bool ListOpen() const;
    QLineEdit& textBox() const { return *text_; }
    QListWidget& list() const { return *list_; }

  signals:
    // Enter in the text box, with its text; the editors close (the sheet takes the focus)
    // once the receivers have stored it.
    void textEntered(const QString& text);
    // Enter, Space or a double click in the list: the selected entry (-1: none); then the
    // editors close as for the text.
    void listChosen(int index);
    // The edit ended without storing (Esc, focus lost, scrolled).
    void abandoned();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void finish(bool focusSheet);
    void abandon(bool focusSheet);

    SheetView& view_;
    QLineEdit* text_;
    QListWidget* list_;
    QString refused_;
    bool editing_ = false;
};

}  // namespace corvell::ui
