// One channel sheet of the scan options dialog on the shared sheet grid and its overlay
// editors: draws the 20 rows from ScanSheetRules, opens the editor a key or double click asks
// for, stores what Enter or a list choice commits, blanks a row on Delete, and keeps the
// column widths under its INI keys. The program-channel and automatic-mode sheets are two
// instances of it.
// Thread contract: user-interface thread only.
#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>

#include "scan/ScanSheetRules.h"

class QWidget;

namespace corvell {
namespace ui {
class SheetModel;
class SheetView;
class CellEditors;
}  // namespace ui

class ScanChannelSheet : public QObject {
    Q_OBJECT

  public:
    static constexpr int kMinColumnTwips = 800;
    static constexpr int kWidthKeys = 10;

    // The grid fills `box` (the sheet's container).
    ScanChannelSheet(ScanSheetRules::Kind kind, frmTesselbase& receiver, frmSCANctrl* scan,
                     QWidget* box);

    // Layout of the grid: format, font, row heights, widths (from LoadColumnWidths).
    void InitSheet();
    // Widths of keys 1..10 as read; a missing key takes the value read before it (`previous`),
    // and returns the last value read.
    int32_t LoadColumnWidths(int32_t previous);
    void SaveColumnWidths();
    // Draws all 20 rows.
    void Update();
    void HideCellEditors();
    void BeginCellEdit(int key);

    // Called with the current row whenever the user moves it (program-channel sheet).
    std::function<void(int row)> onRowChosen;
    // Called after every redraw (the program-channel sheet marks its program row).
    std::function<void()> afterUpdate;

    ui::SheetView& grid() { return *grid_; }
    ui::CellEditors& editors() { return *editors_; }
    ScanSheetRules& rules() { return rules_; }
    bool editorOpen() const;
    int32_t storedWidth(int column) const { return widths_.at(static_cast<size_t>(column)); }
    // Sheet row (1..20) of the current cell, and its column.
    int row() const;
    int column() const;
    void setCurrentRow(int row);

  private:
    void keyPress(int key);
    void keyDown(int code);

    ScanSheetRules rules_;
    QWidget* box_;
    ui::SheetModel* model_;
    ui::SheetView* grid_;
    ui::CellEditors* editors_;
    std::array<int32_t, kWidthKeys + 1> widths_{};
    int editColumn_ = 0;
    bool setup_ = false;
};

}  // namespace corvell
