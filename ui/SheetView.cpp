#include "ui/SheetView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <cmath>

#include "ui/SheetModel.h"
#include "ui/Twips.h"
#include "ui/VirtualKeys.h"

namespace corvell::ui {

namespace {

// Draws the cells of the fixed columns with the header's face.
class FixedColumnDelegate : public QStyledItemDelegate {
  public:
    explicit FixedColumnDelegate(SheetView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.column() >= view_->fixedColumns()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.state &= ~QStyle::State_Selected;
        plain.state &= ~QStyle::State_HasFocus;
        const QColor face = option.palette.color(QPalette::Button).darker(110);
        plain.backgroundBrush = face;
        painter->fillRect(option.rect, face);
        view_->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, view_);
    }

  private:
    SheetView* view_;
};

// A floor in twips as whole pixels, rounded up so that the column is never narrower than it.
int floorPixels(double floorTwips) {
    return static_cast<int>(std::ceil(floorTwips / kTwipsPerPixel));
}

// The character a key types, 13 for Enter, 27 for Esc; 0 for a key that types none.
int typedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::Return;
        case Qt::Key_Escape:
            return vk::Escape;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty() || event.modifiers().testFlag(Qt::ControlModifier)) return 0;
    const char16_t c = text.at(0).unicode();
    return c >= 32 && c != 127 ? c : 0;
}

}  // namespace

std::vector<SheetView::ColumnFormat> SheetView::ParseFormat(const QString& format) {
    std::vector<ColumnFormat> columns;
    for (const QString& field : format.split(QLatin1Char('|'))) {
        ColumnFormat column;
        column.characters = static_cast<int>(field.size());
        QString title = field;
        if (!title.isEmpty()) {
            const QChar mark = title.at(0);
            if (mark == QLatin1Char('<') || mark == QLatin1Char('>') || mark == QLatin1Char('^')) {
                column.alignment = mark == QLatin1Char('<')   ? Qt::AlignLeft
                                   : mark == QLatin1Char('>') ? Qt::AlignRight
                                                              : Qt::AlignHCenter;
                title.remove(0, 1);
            }
        }
        while (title.endsWith(QLatin1Char(' '))) title.chop(1);
        column.title = title;
        columns.push_back(column);
    }
    return columns;
}

SheetView::SheetView(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new FixedColumnDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // A text too long for its cell keeps its start, so a cut number never reads as another.
    setTextElideMode(Qt::ElideRight);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setMinimumSectionSize(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &SheetView::scrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &SheetView::scrolled);
}

void SheetView::setSheet(SheetModel* model) {
    sheet_ = model;
    setModel(model);
}

void SheetView::ApplyFormat(const QString& format) {
    const std::vector<ColumnFormat> columns = ParseFormat(format);
    QStringList titles;
    std::vector<Qt::Alignment> alignments;
    for (const ColumnFormat& c : columns) {
        titles << c.title;
        alignments.push_back(c.alignment);
    }
    if (sheet_) sheet_->setColumns(titles, alignments);
    // The field's characters plus the cell's margins on both sides.
    const int charWidth = QFontMetrics(font()).averageCharWidth();
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    for (size_t c = 0; c < columns.size(); ++c) {
        setColumnWidth(static_cast<int>(c), columns[c].characters * charWidth + margins);
    }
}

void SheetView::setFixedColumns(int count) {
    fixedColumns_ = count < 0 ? 0 : count;
    viewport()->update();
}

int SheetView::Row() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

int SheetView::Col() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : -1;
}

void SheetView::setCurrentCell(int row, int column) {
    if (!model()) return;
    setCurrentIndex(model()->index(row, column));
}

bool SheetView::isRowVisible(int row) const {
    const int top = rowViewportPosition(row);
    return top >= 0 && top + rowHeight(row) <= viewport()->height();
}

void SheetView::setTopRow(int row) {
    if (!model()) return;
    scrollTo(model()->index(row, qMax(0, Col())), QAbstractItemView::PositionAtTop);
}

QRect SheetView::CellRect(int row, int column) const {
    if (!model()) return {};
    return visualRect(model()->index(row, column));
}

int SheetView::FittingColumnWidth(int column, const QStringList& texts) const {
    const int headerMargins =
        2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    const QString title =
        model() ? model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()
                : QString();
    int width = horizontalHeader()->fontMetrics().horizontalAdvance(title) + headerMargins;
    // Each text measured as the view's cells lay it out, margins included, and the grid line
    // the view takes off the column's width before it draws a cell: a column a pixel narrower
    // than that cuts its widest text short.
    QStyleOptionViewItem cell;
    initViewItemOption(&cell);
    cell.features |= QStyleOptionViewItem::HasDisplay;
    const int gridLine = showGrid() ? 1 : 0;
    for (const QString& text : texts) {
        cell.text = text;
        width =
            qMax(width,
                 style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), this).width() +
                     gridLine);
    }
    return width;
}

void SheetView::setOpeningColumnWidth(int column, double savedTwips,
                                      const std::vector<std::string>& usual, double floorTwips) {
    int width = columnWidth(column);  // the format field's
    if (isSavedWidth(savedTwips)) {
        width = twipsToPixels(std::round(savedTwips));
    } else if (!usual.empty()) {
        QStringList texts;
        for (const std::string& text : usual) texts << QString::fromStdString(text);
        width = FittingColumnWidth(column, texts);
    }
    setColumnWidth(column, qMax(width, floorPixels(floorTwips)));
}

bool SheetView::isSavedWidth(double twips) {
    constexpr double kWidestTwips = 10000.0 * kTwipsPerPixel;
    return twips > 0 && twips <= kWidestTwips;
}

void SheetView::fillRoomWithColumn(int column, double floorTwips) {
    if (!model()) return;
    const int frame = 2 * frameWidth();
    const int rowsHeight = horizontalHeader()->height() + verticalHeader()->length();
    const int scrollBar =
        rowsHeight > height() - frame ? verticalScrollBar()->sizeHint().width() : 0;
    int others = 0;
    for (int c = 0; c < model()->columnCount(); ++c) {
        if (c != column) others += columnWidth(c);
    }
    setColumnWidth(column, qMax(width() - frame - scrollBar - others, floorPixels(floorTwips)));
}

double SheetView::ColWidthTwips(int column) const {
    return pixelsToTwips(columnWidth(column));
}

void SheetView::setColWidthTwips(int column, double twips) {
    setColumnWidth(column, twipsToPixels(twips));
}

void SheetView::setRowHeightPixels(int pixels) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(pixels);
}

void SheetView::setHeaderHeightPixels(int pixels) {
    horizontalHeader()->setFixedHeight(pixels);
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    emit cellKeyDown(virtualKeyFromQt(*event), shiftStateFromQt(event->modifiers()));
    const int typed = typedCharacter(*event);
    if (typed != 0) {
        emit cellKeyPress(typed);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at.column() < fixedColumns_) {
        setFocus(Qt::MouseFocusReason);
        setCurrentCell(at.row(), qMax(Col(), fixedColumns_));
        emit fixedCellClicked(at.row(), at.column());
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at.column() >= fixedColumns_) {
        setCurrentIndex(at);
        emit cellDoubleClicked(at.row(), at.column());
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void SheetView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // The current cell is the one selected cell, and never one of the fixed columns.
    if (current.isValid() && current.column() < fixedColumns_ && model() &&
        fixedColumns_ < model()->columnCount()) {
        setCurrentIndex(model()->index(current.row(), fixedColumns_));
        return;
    }
    if (current.isValid() && selectionModel()) {
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    }
}

}  // namespace corvell::ui
