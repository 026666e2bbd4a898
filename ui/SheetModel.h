// The text cells of a sheet: a fixed number of rows and columns of plain text with one
// alignment per column and the column titles of the header row. The owner writes cells and
// then publishes them at once; the model is never reset, so a view's current cell survives.
// Thread contract: user-interface thread only.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <vector>

namespace corvell::ui {

class SheetModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    SheetModel(int rows, int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The header titles and alignments (missing entries: empty title, left-aligned).
    void setColumns(const QStringList& titles, const std::vector<Qt::Alignment>& alignments);

    // Cells outside the sheet are ignored. Written cells show after publish().
    const QString& text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    // Tells the views that cells changed (one notice over the rows and columns written since
    // the last publish); nothing when none changed. Returns whether a notice went out.
    bool publish();

  private:
    int rows_;
    int columns_;
    std::vector<QString> cells_;
    QStringList titles_;
    std::vector<Qt::Alignment> alignments_;
    // The rectangle written since the last publish (empty when first > last).
    int firstRow_, lastRow_, firstColumn_, lastColumn_;
};

}  // namespace corvell::ui
