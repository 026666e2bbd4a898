// The rules of the scan options dialog's two channel sheets without widgets: the program
// channels of the scan controller and the automatic-mode table. Each sheet's column table, the
// text of each row, the editor a key opens on a cell, and what Enter (or a list choice) stores.
// The editor requests and the mode, filter, ATT and step lists are the memory list's own.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "memory/MemoryCellEdit.h"

namespace corvell {

class clsMchDATA;
class frmTesselbase;
class frmSCANctrl;

class ScanSheetRules {
  public:
    enum class Kind { ProgramChannels, AutoMode };
    static constexpr int kRows = 20;
    // The key of Enter and of a double click (the memory list's).
    static constexpr const char* kEnter = MemoryCellEdit::kEnter;

    // The program-channel sheet works on the controller's rows and resets its continue flag
    // before each commit; the automatic-mode sheet on the receiver's automatic mode table.
    ScanSheetRules(Kind kind, frmTesselbase& receiver, frmSCANctrl* scan);

    Kind kind() const { return kind_; }
    // Columns including the number column, and the format string of the grid.
    int columns() const;
    const char* format() const;
    // The INI key prefix of the column widths.
    const char* widthKeyPrefix() const;
    // The widest texts a column usually shows, those of the memory list's column of the same
    // field, for a sheet without saved widths to fit to; none for the number and the remark.
    std::vector<std::string> usualTexts(int column) const;

    // Row 1..20.
    clsMchDATA& record(int row) const;
    bool isBlank(int row) const;
    // Cell texts of columns 0..columns()-1.
    std::vector<std::string> rowTexts(int row) const;

    // Typed characters reach an open editor only on these columns.
    bool forwardsTyping(int column) const;
    // Columns where a key opens nothing at all.
    bool ignoresKeys(int column) const;
    // Whether Delete on the column blanks the row.
    bool deleteBlanks(int column) const;

    // The editor `key` (kEnter, else the typed character as text) opens.
    CellEditorRequest Begin(int row, int column, const std::string& key) const;
    // Enter in the text box. An empty or non-numeric frequency text leaves the row as it was.
    void CommitText(int row, int column, const std::string& text);
    // Enter, Space or a double click in a column's list; `index` -1 = nothing selected.
    void CommitList(int row, int column, int index);
    // Delete: the row becomes blank.
    void BlankRow(int row);
    // A row that becomes used takes the receiver's frequency, mode, filter, step and ATT.
    void FillFromReceiver(int row);

    // A START/END text in Hz, cut to whole 10 Hz towards zero; none for an empty or
    // non-numeric text or a value beyond 32 bits.
    static std::optional<int32_t> FrequencyFromText(const std::string& text);

  private:
    int attColumn() const { return kind_ == Kind::ProgramChannels ? 7 : -1; }
    int remarkColumn() const { return kind_ == Kind::ProgramChannels ? 8 : 7; }

    Kind kind_;
    frmTesselbase& rx_;
    frmSCANctrl* scan_;
};

}  // namespace corvell
