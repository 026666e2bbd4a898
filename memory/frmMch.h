// The memory list window: one bank of the memory object as a grid of 50 channels under a bank
// bar (bank number, the editable list of the 20 bank names, bank up and down, "Insert CH",
// "Delete CH", "Rx Entry"). It keeps no channel data: every cell is drawn from the memory
// object and every change goes through the memory list operations, which it registers with as
// their view. Cells are edited in place. Closed by the user, it asks its owner for "MEMORY".
// Thread contract: user-interface thread only.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "memory/MemoryCellEdit.h"
#include "memory/MemoryListOps.h"
#include "ui/PanelWindow.h"

class QComboBox;
class QPushButton;
class QToolButton;

namespace corvell::ui {
class CellEditors;
class FittedTextBox;
class SheetModel;
class SheetView;
}  // namespace corvell::ui

namespace corvell {

class frmMch : public ui::PanelWindow, public MemoryListView {
    Q_OBJECT

  public:
    static constexpr int kRows = 50;
    static constexpr int kMinWidthTwips = 7000;
    static constexpr int kMinHeightTwips = 2500;
    static constexpr int kMinColumnTwips = 800;
    static constexpr int kBankNameLimit = 32;
    static constexpr int kHeaderHeightPixels = 16;

    explicit frmMch(MemoryListOps& ops, QWidget* parent = nullptr);
    ~frmMch() override;

    // Keeps the owner and loads the window.
    void Init(ui::PanelOwner& owner) override;
    // Redraws the grid when the memory object asks for it and the window is shown.
    void Task_exec() override;

    // ---- what the operations and the main window call ----
    void UpdateSheet() override;
    void ListBankName() override;
    void ShowChannel(int channel) override;
    bool ListVisible() const override { return isVisible(); }
    // Selects the bank; when that changed anything the grid takes the focus.
    void ChangeBank(int bank);
    MemoryListOps& ops() const { return ops_; }

    // ---- the controls, for the main window's placement and for tests ----
    ui::SheetView& grid() const { return *grid_; }
    ui::SheetModel& cells() const { return *model_; }
    ui::CellEditors& editors() const { return *editors_; }
    QComboBox& bankNameBox() const { return *cboBankName_; }
    bool fEditing() const;
    // How many times the grid was redrawn.
    int redrawCount() const { return redraws_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void onLoad() override;
    bool onQueryUnload(ui::UnloadMode mode) override;
    void onUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void LoadColumnWidths();
    void SaveColumnWidths();
    void BeginCellEdit(int key);
    void HideCellEditors();
    void CellKeyDown(int keyCode);
    void RecallRow();
    bool BankNameKey(QKeyEvent& key);

    MemoryListOps& ops_;
    MemoryCellEdit edit_;
    ui::SheetModel* model_;
    ui::SheetView* grid_;
    ui::CellEditors* editors_;
    ui::FittedTextBox* picBank_;
    ui::FittedTextBox* picBankNum2_;
    QComboBox* cboBankName_;
    QToolButton* bankUp_;
    QToolButton* bankDown_;
    QPushButton* cmdINSERT_;
    QPushButton* cmdDELETE_;
    QPushButton* cmdENTRY_;
    // Column widths read at load, twips; entry n is key "MEMORYSHEETCOLWIDTH" n.
    std::array<float, 13> ColumnWidths_{};
    bool fLoading_ = false;
    // The current row is to be brought into view once the grid has its real size.
    bool revealPending_ = false;
    int editColumn_ = -1;
    int redraws_ = 0;
};

}  // namespace corvell
