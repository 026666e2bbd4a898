#include "ui/SheetModel.h"

#include <algorithm>

namespace corvell::ui {

namespace {
const QString kNoText;
}

SheetModel::SheetModel(int rows, int columns, QObject* parent)
    : QAbstractTableModel(parent),
      rows_(std::max(0, rows)),
      columns_(std::max(0, columns)),
      cells_(static_cast<size_t>(rows_) * static_cast<size_t>(columns_)),
      firstRow_(rows_),
      lastRow_(-1),
      firstColumn_(columns_),
      lastColumn_(-1) {}

int SheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const auto c = static_cast<size_t>(index.column());
        const Qt::Alignment h = c < alignments_.size() ? alignments_[c] : Qt::AlignLeft;
        return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    return {};
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_) return {};
    if (role == Qt::DisplayRole) return section < titles_.size() ? titles_[section] : QString();
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void SheetModel::setColumns(const QStringList& titles,
                            const std::vector<Qt::Alignment>& alignments) {
    titles_ = titles;
    alignments_ = alignments;
    if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    if (rows_ > 0 && columns_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1), {Qt::TextAlignmentRole});
    }
}

const QString& SheetModel::text(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return kNoText;
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(columns_) +
                  static_cast<size_t>(column)];
}

void SheetModel::setText(int row, int column, const QString& text) {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
    QString& cell = cells_[static_cast<size_t>(row) * static_cast<size_t>(columns_) +
                           static_cast<size_t>(column)];
    if (cell == text) return;
    cell = text;
    firstRow_ = std::min(firstRow_, row);
    lastRow_ = std::max(lastRow_, row);
    firstColumn_ = std::min(firstColumn_, column);
    lastColumn_ = std::max(lastColumn_, column);
}

bool SheetModel::publish() {
    if (firstRow_ > lastRow_) return false;
    const QModelIndex topLeft = index(firstRow_, firstColumn_);
    const QModelIndex bottomRight = index(lastRow_, lastColumn_);
    firstRow_ = rows_;
    lastRow_ = -1;
    firstColumn_ = columns_;
    lastColumn_ = -1;
    emit dataChanged(topLeft, bottomRight, {Qt::DisplayRole});
    return true;
}

}  // namespace corvell::ui
