#include "scan/ScanChannelSheet.h"

#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QStringList>
#include <cmath>
#include <string>

#include "core/ProgramObjects.h"
#include "core/clsProfileIO.h"
#include "ui/CellEditors.h"
#include "ui/Fonts.h"
#include "ui/SheetModel.h"
#include "ui/SheetView.h"
#include "ui/Twips.h"

namespace corvell {
namespace {

constexpr int kHeaderHeightPixels = 16;
constexpr int kEnterKey = 13;
constexpr int kEsc = 27;
constexpr int kComma = 44;
constexpr int kDelete = 46;

}  // namespace

ScanChannelSheet::ScanChannelSheet(ScanSheetRules::Kind kind, frmTesselbase& receiver,
                                   frmSCANctrl* scan, QWidget* box)
    : QObject(box),
      rules_(kind, receiver, scan),
      box_(box),
      model_(new ui::SheetModel(ScanSheetRules::kRows, rules_.columns(), this)),
      grid_(new ui::SheetView(box)),
      editors_(nullptr) {
    grid_->setObjectName(kind == ScanSheetRules::Kind::ProgramChannels ? "msgPCh" : "msgAch");
    grid_->setAccessibleName(kind == ScanSheetRules::Kind::ProgramChannels ? "Program channels"
                                                                           : "Automatic mode");
    grid_->setSheet(model_);
    grid_->setFixedColumns(1);
    editors_ = new ui::CellEditors(*grid_);
    editors_->setRefusedCharacters(",");
    connect(grid_, &ui::SheetView::cellKeyPress, this, &ScanChannelSheet::keyPress);
    connect(grid_, &ui::SheetView::cellKeyDown, this, [this](int code, int) { keyDown(code); });
    connect(grid_, &ui::SheetView::cellDoubleClicked, this,
            [this](int, int) { BeginCellEdit(kEnterKey); });
    connect(editors_, &ui::CellEditors::textEntered, this, [this](const QString& text) {
        rules_.CommitText(row(), editColumn_, text.toStdString());
        Update();
    });
    connect(editors_, &ui::CellEditors::listChosen, this, [this](int index) {
        rules_.CommitList(row(), editColumn_, index);
        Update();
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (!setup_ && current.isValid() && onRowChosen) onRowChosen(current.row() + 1);
            });
}

void ScanChannelSheet::InitSheet() {
    setup_ = true;
    grid_->setGeometry(0, 0, box_->width(), box_->height());
    const QFont font = ui::programFont(9.0, false);
    grid_->setFont(font);
    grid_->ApplyFormat(QString::fromLatin1(rules_.format()));
    const double rowTwips = std::round(QFontMetrics(font).height() * ui::kTwipsPerPixel * 1.15);
    grid_->setRowHeightPixels(ui::twipsToPixels(std::max(rowTwips, 100.0)));
    grid_->setHeaderHeightPixels(kHeaderHeightPixels);
    grid_->setCurrentCell(0, 1);
    // A saved width wins, raised to the floor; a column never saved fits its title and the
    // widest text it usually shows, and the remark after the others takes the rest of the grid.
    const int last = rules_.columns() - 1;
    for (int c = 1; c <= last; ++c) {
        int32_t& w = widths_[static_cast<size_t>(c)];
        grid_->setOpeningColumnWidth(c, w, rules_.usualTexts(c), kMinColumnTwips);
        const bool saved = ui::SheetView::isSavedWidth(w);
        if (saved && w < kMinColumnTwips) w = kMinColumnTwips;
        if (c == last && !saved) grid_->fillRoomWithColumn(c, kMinColumnTwips);
    }
    setup_ = false;
}

int32_t ScanChannelSheet::LoadColumnWidths(int32_t previous) {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection("DATA");
    for (int n = 1; n <= kWidthKeys; ++n) {
        float value = static_cast<float>(previous);
        profile.loadData(std::string(rules_.widthKeyPrefix()) + std::to_string(n), value);
        const double rounded = std::nearbyint(static_cast<double>(value));
        previous =
            std::isfinite(rounded) && std::abs(rounded) < 2e9 ? static_cast<int32_t>(rounded) : 0;
        widths_[static_cast<size_t>(n)] = previous;
    }
    return previous;
}

void ScanChannelSheet::SaveColumnWidths() {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection("DATA");
    for (int c = 0; c < rules_.columns(); ++c) {
        profile.saveData(std::string(rules_.widthKeyPrefix()) + std::to_string(c),
                         static_cast<int32_t>(std::lround(grid_->ColWidthTwips(c))));
    }
}

void ScanChannelSheet::Update() {
    for (int r = 1; r <= ScanSheetRules::kRows; ++r) {
        const std::vector<std::string> texts = rules_.rowTexts(r);
        for (int c = 0; c < static_cast<int>(texts.size()); ++c) {
            model_->setText(r - 1, c, QString::fromStdString(texts[static_cast<size_t>(c)]));
        }
    }
    model_->publish();
    if (afterUpdate) afterUpdate();
}

void ScanChannelSheet::HideCellEditors() {
    if (setup_) return;
    editors_->Hide();
}

bool ScanChannelSheet::editorOpen() const {
    return editors_->Editing();
}

int ScanChannelSheet::row() const {
    return grid_->Row() + 1;
}

int ScanChannelSheet::column() const {
    return grid_->Col();
}

void ScanChannelSheet::setCurrentRow(int row) {
    const bool was = setup_;
    setup_ = true;  // marking the row is no choice of the user's
    grid_->setCurrentCell(row - 1, std::max(grid_->Col(), 1));
    setup_ = was;
}

void ScanChannelSheet::BeginCellEdit(int key) {
    const int r = row();
    const int c = column();
    if (r < 1 || c < 1) return;
    const std::string typed =
        key == kEnterKey ? std::string(ScanSheetRules::kEnter) : QString(QChar(key)).toStdString();
    const CellEditorRequest request = rules_.Begin(r, c, typed);
    editColumn_ = c;
    if (request.kind == CellEditorRequest::Kind::Text) {
        editors_->OpenText(QString::fromStdString(request.text), request.maxLength);
    } else if (request.kind == CellEditorRequest::Kind::List) {
        QStringList items;
        for (const std::string& item : request.items) items << QString::fromStdString(item);
        editors_->OpenList(items, request.selected);
    }
}

void ScanChannelSheet::keyPress(int key) {
    if (key == kEsc) {
        HideCellEditors();
    } else if (key != kComma && !editorOpen() && !rules_.ignoresKeys(column())) {
        BeginCellEdit(key);
    }
}

void ScanChannelSheet::keyDown(int code) {
    if (code != kDelete || !rules_.deleteBlanks(column())) return;
    rules_.BlankRow(row());
    Update();
}

}  // namespace corvell
