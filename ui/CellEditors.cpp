#include "ui/CellEditors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "ui/SheetView.h"

namespace corvell::ui {

namespace {

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

CellEditors::CellEditors(SheetView& view)
    : QObject(&view),
      view_(view),
      text_(new QLineEdit(view.viewport())),
      list_(new QListWidget(view.viewport())) {
    text_->setObjectName(QStringLiteral("txtInput"));
    text_->setAccessibleName(QStringLiteral("Cell text"));
    text_->hide();
    text_->installEventFilter(this);
    list_->setObjectName(QStringLiteral("cellList"));
    list_->setAccessibleName(QStringLiteral("Cell choices"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->hide();
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    view.installEventFilter(this);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (!editing_) return;
        emit listChosen(list_->row(item));
        finish(true);
    });
    connect(&view, &SheetView::scrolled, this, [this] {
        if (editing_) abandon(false);
    });
}

bool CellEditors::TextOpen() const {
    return editing_ && text_->isVisible();
}

bool CellEditors::ListOpen() const {
    return editing_ && list_->isVisible();
}

void CellEditors::OpenText(const QString& text, int maxLength) {
    list_->hide();
    QFont bold = view_.font();
    bold.setBold(true);
    text_->setFont(bold);
    if (maxLength >= 0) text_->setMaxLength(maxLength);
    text_->setText(text);
    text_->setGeometry(view_.CellRect(view_.Row(), view_.Col()));
    text_->setCursorPosition(static_cast<int>(text_->text().size()));
    text_->deselect();
    editing_ = true;
    text_->show();
    text_->setFocus(Qt::OtherFocusReason);
}

void CellEditors::OpenList(const QStringList& items, int selected, int visibleRows) {
    text_->hide();
    list_->setFont(view_.font());
    list_->clear();
    list_->addItems(items);
    if (selected >= 0 && selected < list_->count()) {
        list_->setCurrentRow(selected);
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
    const QRect cell = view_.CellRect(view_.Row(), view_.Col());
    const int height = cell.height() * visibleRows;
    const QSize area = view_.viewport()->size();
    int left = cell.left();
    int top = cell.top();
    if (left + cell.width() > area.width()) left = area.width() - cell.width();
    if (top + height > area.height()) top = area.height() - height;
    list_->setGeometry(left, top, cell.width(), height);
    if (selected >= 0 && selected < list_->count()) list_->scrollToItem(list_->item(selected));
    editing_ = true;
    list_->show();
    list_->setFocus(Qt::OtherFocusReason);
}

void CellEditors::Hide() {
    // Hidden first, so the focus leaving the editor is no longer an edit to abandon.
    editing_ = false;
    text_->hide();
    list_->hide();
}

void CellEditors::finish(bool focusSheet) {
    Hide();
    if (focusSheet) view_.setFocus(Qt::OtherFocusReason);
}

void CellEditors::abandon(bool focusSheet) {
    finish(focusSheet);
    emit abandoned();
}

bool CellEditors::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &view_) {
        // Characters typed ahead while the box opens belong to the box; a list takes none.
        if (type == QEvent::KeyPress && editing_) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->text().isEmpty() && key->text().at(0).unicode() >= 32) {
                if (text_->isVisible()) QCoreApplication::sendEvent(text_, event);
                return true;
            }
        }
        return false;
    }
    if (type == QEvent::FocusOut && editing_ &&
        (watched == text_ || watched == list_ || watched == list_->viewport())) {
        // The focus moving between the list and its own entries is not leaving it.
        QWidget* now = QApplication::focusWidget();
        if (now == nullptr || (now != text_ && now != list_ && !list_->isAncestorOf(now))) {
            abandon(false);
        }
        return false;
    }
    if (type != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == text_) {
        if (key->key() == Qt::Key_Escape) {
            abandon(true);
            return true;
        }
        if (isEnter(key->key())) {
            const QString value = text_->text();
            emit textEntered(value);
            finish(true);
            return true;
        }
        if (!key->text().isEmpty() && refused_.contains(key->text().at(0))) return true;
        return false;
    }
    if (watched == list_) {
        if (key->key() == Qt::Key_Escape) {
            abandon(true);
            return true;
        }
        if (isEnter(key->key()) || key->key() == Qt::Key_Space) {
            emit listChosen(list_->currentItem() && list_->currentItem()->isSelected()
                                ? list_->currentRow()
                                : -1);
            finish(true);
            return true;
        }
    }
    return false;
}

}  // namespace corvell::ui
