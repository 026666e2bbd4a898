#include "memory/frmMch.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/LocaleProcs.h"
#include "core/ProgramObjects.h"
#include "core/TextProcs.h"
#include "core/clsProfileIO.h"
#include "memory/MemorySheetText.h"
#include "memory/clsMEMORY.h"
#include "resources/StringTable.h"
#include "ui/CellEditors.h"
#include "ui/Fonts.h"
#include "ui/Geometry.h"
#include "ui/Labels.h"
#include "ui/SheetModel.h"
#include "ui/SheetView.h"
#include "ui/Twips.h"

namespace corvell {

namespace {

constexpr double kFontSize = 8.0;
constexpr int kWidthKeys = 12;

ui::LocaleFont listLocale() {
    return ui::ProgramLocaleFont(IsJapaneseLocale());
}

std::string widthKey(int n) {
    return "MEMORYSHEETCOLWIDTH" + std::to_string(n);
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

frmMch::frmMch(MemoryListOps& ops, QWidget* parent)
    : ui::PanelWindow(QStringLiteral("Memory List"), parent),
      ops_(ops),
      edit_(ops),
      model_(new ui::SheetModel(kRows, mchcol::Count, this)),
      grid_(new ui::SheetView(this)),
      editors_(nullptr),
      picBank_(new ui::FittedTextBox(this)),
      picBankNum2_(new ui::FittedTextBox(this)),
      cboBankName_(new QComboBox(this)),
      bankUp_(new QToolButton(this)),
      bankDown_(new QToolButton(this)),
      cmdINSERT_(new QPushButton(QStringLiteral("Insert CH"), this)),
      cmdDELETE_(new QPushButton(QStringLiteral("Delete CH"), this)),
      cmdENTRY_(new QPushButton(QStringLiteral("Rx Entry"), this)) {
    setCaption(QStringLiteral("Memory List"));
    setObjectName(QStringLiteral("frmMch"));
    grid_->setObjectName(QStringLiteral("msgMch"));
    grid_->setAccessibleName(QStringLiteral("Memory channels"));
    grid_->setSheet(model_);
    grid_->setFixedColumns(1);
    editors_ = new ui::CellEditors(*grid_);
    editors_->setRefusedCharacters(QStringLiteral(","));

    cboBankName_->setObjectName(QStringLiteral("cboBankName"));
    cboBankName_->setAccessibleName(QStringLiteral("Bank name"));
    cboBankName_->setEditable(true);
    cboBankName_->setInsertPolicy(QComboBox::NoInsert);
    cboBankName_->setEditText(QStringLiteral("Bank Name"));
    // Keys reach the box's text through the combo box or straight through its line edit.
    cboBankName_->installEventFilter(this);
    cboBankName_->lineEdit()->installEventFilter(this);
    picBank_->setAccessibleName(QStringLiteral("BANK"));
    picBankNum2_->setAccessibleName(QStringLiteral("Bank number"));
    bankUp_->setArrowType(Qt::UpArrow);
    bankUp_->setAccessibleName(QStringLiteral("Bank up"));
    bankDown_->setArrowType(Qt::DownArrow);
    bankDown_->setAccessibleName(QStringLiteral("Bank down"));
    cmdINSERT_->setObjectName(QStringLiteral("cmdINSERT"));
    cmdDELETE_->setObjectName(QStringLiteral("cmdDELETE"));
    cmdENTRY_->setObjectName(QStringLiteral("cmdENTRY"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdINSERT_, cmdDELETE_, cmdENTRY_, bankUp_, bankDown_}) {
        w->setFocusPolicy(Qt::NoFocus);
    }

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(3);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(bankUp_);
    arrows->addWidget(bankDown_);
    bar->addWidget(picBank_);
    bar->addWidget(picBankNum2_);
    bar->addWidget(cboBankName_, 1);
    bar->addLayout(arrows);
    bar->addWidget(cmdINSERT_);
    bar->addWidget(cmdDELETE_);
    bar->addWidget(cmdENTRY_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(grid_, 1);
    setMinimumSize(ui::twipsToPixels(kMinWidthTwips), ui::twipsToPixels(kMinHeightTwips));

    connect(grid_, &ui::SheetView::cellKeyPress, this, [this](int key) {
        if (key == 27) {
            HideCellEditors();
        } else if (key != ',' && !fEditing()) {
            BeginCellEdit(key);
        }
    });
    connect(grid_, &ui::SheetView::cellKeyDown, this, [this](int code, int) { CellKeyDown(code); });
    connect(grid_, &ui::SheetView::cellDoubleClicked, this,
            [this](int, int) { BeginCellEdit(13); });
    connect(grid_, &ui::SheetView::fixedCellClicked, this, [this](int, int) { RecallRow(); });
    connect(editors_, &ui::CellEditors::textEntered, this, [this](const QString& value) {
        edit_.CommitText(grid_->Row(), editColumn_, value.toStdString());
    });
    connect(editors_, &ui::CellEditors::listChosen, this,
            [this](int index) { edit_.CommitList(grid_->Row(), editColumn_, index); });
    connect(cboBankName_, &QComboBox::activated, this, [this](int index) {
        ChangeBank(index);
        RecallRow();
    });
    connect(bankUp_, &QToolButton::clicked, this, [this] { ops_.BankUpEndless(); });
    connect(bankDown_, &QToolButton::clicked, this, [this] { ops_.BankDownEndless(); });
    connect(cmdINSERT_, &QPushButton::clicked, this,
            [this] { ops_.InsertChannel(qMax(0, grid_->Row())); });
    connect(cmdDELETE_, &QPushButton::clicked, this,
            [this] { ops_.DeleteChannel(qMax(0, grid_->Row())); });
    connect(cmdENTRY_, &QPushButton::clicked, this, [this] { RecallRow(); });

    ops_.setView(this);
}

frmMch::~frmMch() {
    if (ops_.view() == this) ops_.setView(nullptr);
}

void frmMch::Init(ui::PanelOwner& owner) {
    ui::PanelWindow::Init(owner);
    Load();
}

void frmMch::onLoad() {
    fLoading_ = true;
    LoadColumnWidths();

    const ui::LocaleFont locale = listLocale();
    const QFont font = ui::localeFont(locale, kFontSize);
    setFont(font);
    grid_->setFont(font);
    cboBankName_->setFont(font);
    grid_->ApplyFormat(QString::fromLatin1(kMemorySheetFormat));
    const double rowTwips = std::round(QFontMetrics(font).height() * ui::kTwipsPerPixel * 1.15);
    grid_->setRowHeightPixels(ui::twipsToPixels(rowTwips));
    grid_->setHeaderHeightPixels(kHeaderHeightPixels);
    const int barHeight = cboBankName_->sizeHint().height();
    picBank_->setFixedSize(barHeight * 2, barHeight);
    picBankNum2_->setFixedSize(barHeight * 3 / 2, barHeight);
    bankUp_->setFixedSize(barHeight, barHeight / 2);
    bankDown_->setFixedSize(barHeight, barHeight / 2);
    for (QPushButton* b : {cmdINSERT_, cmdDELETE_, cmdENTRY_}) b->setFixedHeight(barHeight);
    ui::PrintFittedText(*picBank_, QStringLiteral("BANK"), locale);
    // The word is fitted to the bar's height; its box is as wide as the word then is.
    picBank_->setFixedWidth(
        QFontMetrics(picBank_->font()).horizontalAdvance(QStringLiteral("BANK")) + 4);
    grid_->setCurrentCell(0, 0);

    // Column n - 1 takes key n, the key it is saved under. A field column keeps at least 800
    // twips; one never saved fits its title and the widest text it usually shows, so a first
    // start cuts no name, frequency or title short.
    const double first = ColumnWidths_[1];
    if (first > 0) grid_->setColWidthTwips(0, std::round(first));
    for (int c = 1; c < mchcol::Count; ++c) {
        grid_->setOpeningColumnWidth(c, ColumnWidths_[static_cast<size_t>(c) + 1],
                                     MemorySheetUsualTexts(c), kMinColumnTwips);
    }

    ops_.SelectBank(ops_.intCurrentbank(), true);
    ListBankName();
    UpdateSheet();
    fLoading_ = false;
    ui::KeepFormOnScreen(this);
}

void frmMch::LoadColumnWidths() {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection("DATA");
    for (int n = 1; n <= kWidthKeys; ++n) {
        float w = 0;
        profile.loadData(widthKey(n), w, 0.0f);
        ColumnWidths_[static_cast<size_t>(n)] = std::isfinite(w) ? w : 0.0f;
    }
}

void frmMch::SaveColumnWidths() {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection("DATA");
    for (int c = 0; c < mchcol::Count; ++c) {
        const auto twips = static_cast<int32_t>(std::lround(grid_->ColWidthTwips(c)));
        profile.saveData(widthKey(c + 1), twips);
    }
}

bool frmMch::onQueryUnload(ui::UnloadMode mode) {
    SaveColumnWidths();
    if (mode != ui::UnloadMode::UserClose) return true;
    if (owner()) {
        owner()->KeyAction("MEMORY");
    } else {
        hide();
    }
    return false;
}

void frmMch::onUnload() {
    editors_->Hide();
}

void frmMch::Task_exec() {
    if (!isVisible()) return;
    clsMEMORY& memory = ops_.memory();
    if (!memory.MemoryRedraw()) return;
    memory.setMemoryRedraw(false);
    UpdateSheet();
}

void frmMch::UpdateSheet() {
    clsMEMORY& memory = ops_.memory();
    const int bank = memory.ActiveBank();
    for (int c = 0; c < kRows; ++c) {
        const clsMchDATA& record = memory.chData(bank, c);
        for (int column = 0; column < mchcol::Count; ++column) {
            model_->setText(c, column, text(MemorySheetCell(record, c, column)));
        }
    }
    model_->publish();
    ++redraws_;
    ui::PrintFittedText(*picBankNum2_, text(BankNumberText(bank)), listLocale());
    if (bank < cboBankName_->count()) cboBankName_->setEditText(cboBankName_->itemText(bank));
}

void frmMch::ListBankName() {
    clsMEMORY& memory = ops_.memory();
    const QString shown = cboBankName_->currentText();
    for (int b = 0; b <= MemoryListOps::kLastBank; ++b) {
        const QString name = text(TrimTrailingBlanks(memory.strBankName(b)));
        if (b < cboBankName_->count()) {
            cboBankName_->setItemText(b, name);
        } else {
            cboBankName_->addItem(name);
        }
    }
    cboBankName_->setEditText(shown);
}

void frmMch::ShowChannel(int channel) {
    grid_->setCurrentCell(channel, mchcol::Name);
    // Before the window is first shown every row would count as out of view.
    if (!grid_->isVisible()) {
        revealPending_ = true;
        return;
    }
    if (!grid_->isRowVisible(channel)) grid_->setTopRow(channel);
}

void frmMch::showEvent(QShowEvent* event) {
    ui::PanelWindow::showEvent(event);
    if (!revealPending_) return;
    revealPending_ = false;
    const int row = grid_->Row();
    if (row >= 0 && !grid_->isRowVisible(row)) grid_->setTopRow(row);
}

void frmMch::ChangeBank(int bank) {
    if (ops_.SelectBank(bank)) grid_->setFocus(Qt::OtherFocusReason);
}

bool frmMch::fEditing() const {
    return editors_->Editing();
}

void frmMch::RecallRow() {
    ops_.Recall(qMax(0, grid_->Row()));
}

void frmMch::BeginCellEdit(int key) {
    const int row = grid_->Row();
    const int column = grid_->Col();
    if (row < 0 || column < mchcol::Name) return;
    const std::string typed =
        key == 13 ? std::string(MemoryCellEdit::kEnter) : QString(QChar(key)).toStdString();
    const CellEditorRequest request = edit_.Begin(row, column, typed);
    editColumn_ = column;
    if (request.kind == CellEditorRequest::Kind::Text) {
        editors_->OpenText(text(request.text), request.maxLength);
    } else if (request.kind == CellEditorRequest::Kind::List && column >= mchcol::Mode &&
               column <= mchcol::Tsql) {
        QStringList items;
        for (const std::string& item : request.items) items << text(item);
        editors_->OpenList(items, request.selected);
    }
}

void frmMch::HideCellEditors() {
    if (fLoading_) return;
    if (isVisible()) editors_->Hide();
}

void frmMch::CellKeyDown(int keyCode) {
    constexpr int kDelete = 46;
    if (keyCode != kDelete) return;
    const int column = grid_->Col();
    if (column != mchcol::Name && column != mchcol::Frequency && column != mchcol::Remark) return;
    ops_.BlankChannel(qMax(0, grid_->Row()));
    ops_.UpdateSheet();
}

bool frmMch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboBankName_ || watched == cboBankName_->lineEdit()) {
        if (event->type() == QEvent::KeyPress) return BankNameKey(*static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            // An unconfirmed name is dropped.
            const int bank = ops_.intCurrentbank();
            if (bank < cboBankName_->count()) {
                cboBankName_->setEditText(cboBankName_->itemText(bank));
            }
        }
    }
    return ui::PanelWindow::eventFilter(watched, event);
}

bool frmMch::BankNameKey(QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter) {
        const int bank = ops_.intCurrentbank();
        ops_.memory().setStrBankName(bank, cboBankName_->currentText().toStdString());
        ListBankName();
        UpdateSheet();
        return true;
    }
    const QString typed = key.text();
    const bool character = !typed.isEmpty() && typed.at(0).unicode() >= 32 &&
                           typed.at(0).unicode() != 127 &&
                           !key.modifiers().testFlag(Qt::ControlModifier);
    if (!character) return false;  // Backspace, Delete, Esc and moving the caret always work
    if (cboBankName_->currentText().size() >= kBankNameLimit) {
        QApplication::beep();
        return true;
    }
    return typed.at(0) == QLatin1Char(',');
}

}  // namespace corvell
