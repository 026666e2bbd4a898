// A grid of text cells over a SheetModel, as the channel sheets use it: a fixed header row,
// leading fixed columns drawn like the header, a current cell kept as the single selected cell,
// column widths in twips, titles, alignments and widths from a format string, and the key and
// mouse events the sheets' in-place editing is written against.
// Thread contract: user-interface thread only.
#pragma once

#include <QRect>
#include <QString>
#include <QTableView>
#include <string>
#include <vector>

namespace corvell::ui {

class SheetModel;

class SheetView : public QTableView {
    Q_OBJECT

  public:
    // One field of a format string: "|" separates the fields, a leading "<" left-aligns and
    // ">" right-aligns the column, "^" centres it; the field's length (trailing blanks
    // included) is the column's initial width in characters; the title is the rest with
    // trailing blanks removed.
    struct ColumnFormat {
        QString title;
        Qt::Alignment alignment = Qt::AlignLeft;
        int characters = 0;
    };
    static std::vector<ColumnFormat> ParseFormat(const QString& format);

    explicit SheetView(QWidget* parent = nullptr);

    void setSheet(SheetModel* model);
    SheetModel* sheet() const { return sheet_; }
    // Titles, alignments and widths (characters of the view's font) of the sheet's columns.
    void ApplyFormat(const QString& format);

    // Leading columns that are drawn like the header and never hold the current cell.
    void setFixedColumns(int count);
    int fixedColumns() const { return fixedColumns_; }

    // The current cell (model row and column); -1 when there is none.
    int Row() const;
    int Col() const;
    void setCurrentCell(int row, int column);
    // Whether the whole row lies inside the viewport; scrolls a row to the top.
    bool isRowVisible(int row) const;
    void setTopRow(int row);
    // The cell's rectangle in the viewport's coordinates.
    QRect CellRect(int row, int column) const;

    // The width, in pixels, at which the column shows its title and every one of `texts` whole.
    int FittingColumnWidth(int column, const QStringList& texts) const;
    // A column's width as the sheet opens: a saved width wins, raised to `floorTwips`; a column
    // never saved fits its title and `usual`, the widest texts it usually shows, or keeps the
    // width of its format field when it has none. Never below the floor (whole pixels, rounded
    // up).
    void setOpeningColumnWidth(int column, double savedTwips, const std::vector<std::string>& usual,
                               double floorTwips);
    // Whether a width read from the settings is one a user left: above 0 and no wider than
    // 10000 pixels. Anything else (0 for a missing key, a damaged value) counts as never saved.
    static bool isSavedWidth(double twips);
    // Widens or narrows `column` to the width the other columns leave before the grid would
    // scroll sideways (its frame and, when the rows are taller than the grid, the vertical
    // scroll bar taken off), never below `floorTwips`; for a grid of a fixed size, whose
    // columns then end at its right edge. Holds for the grid's present size, shown or not.
    void fillRoomWithColumn(int column, double floorTwips);
    double ColWidthTwips(int column) const;
    void setColWidthTwips(int column, double twips);
    void setRowHeightPixels(int pixels);
    void setHeaderHeightPixels(int pixels);

  signals:
    // Every key that goes down on the grid: its key code and shift state.
    void cellKeyDown(int keyCode, int shift);
    // A character typed on the grid: its code, 13 for Enter, 27 for Esc.
    void cellKeyPress(int key);
    // A double click on a cell outside the fixed columns.
    void cellDoubleClicked(int row, int column);
    // A click on a cell of a fixed column; the current row has moved to it.
    void fixedCellClicked(int row, int column);
    // The grid scrolled.
    void scrolled();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    SheetModel* sheet_ = nullptr;
    int fixedColumns_ = 0;
};

}  // namespace corvell::ui
