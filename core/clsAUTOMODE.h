// Automatic mode selection: 20 frequency ranges, each choosing the mode, filter and tuning step
// the receiver takes when a frequency inside it is entered. The rows live in section "AUTOMODE"
// of the settings file: read when the table is made, written when it goes.
// Thread contract: none; the receiver object owns the table on the user-interface thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/clsMchDATA.h"
#include "core/clsTSbase.h"

namespace corvell {

class clsAUTOMODE {
  public:
    static constexpr int16_t kRows = 20;

    // Makes every row blank, then reads the rows from the settings file.
    clsAUTOMODE();
    // Writes the rows back, unless told not to.
    ~clsAUTOMODE();
    // The table goes without writing its rows (a start that ended before the program ran).
    void dropUnsaved() { saveWhenGone_ = false; }
    clsAUTOMODE(const clsAUTOMODE&) = delete;
    clsAUTOMODE& operator=(const clsAUTOMODE&) = delete;

    bool mode() const { return mode_; }
    // Any nonzero value switches automatic mode selection on.
    void setMode(int on) { mode_ = on != 0; }
    void off() { mode_ = false; }

    // The first row, 1..20, whose range (low above 0, both ends inside) holds f; 0 when the
    // selection is off, f is not positive or no row holds it.
    int16_t check(int32_t f) const;

    // Applies row 1..20 to the receiver: its mode text, its filter text, then the receiver's
    // tuning step by the row's step name, aligned so the low edge stays on the step grid. A
    // row number outside 1..20 applies nothing.
    template <class Receiver>
    void Change(int16_t row, Receiver& receiver, clsTSbase& step) {
        if (row < 1 || row > kRows) return;
        const clsMchDATA& r = chData(row);
        receiver.setModeText(r.ModeText());
        receiver.setFilterText(r.FilterText());
        step.setTsname(r.tsname());
        step.IndividualPitch(r.lngFreq());
    }

    // The record of row i (1..20; other numbers are taken as the nearest row).
    clsMchDATA& chData(int16_t i);
    const clsMchDATA& chData(int16_t i) const;

    // The default row: 144 to 146 MHz, FM, 15k, 20 kHz step, no name, ATT off; the remark and
    // the SEL, SKIP and tone fields are left as they are.
    void Default(clsMchDATA& record) const;
    // The default row with both edges 0.
    void DefaultBlank(clsMchDATA& record) const;

    // The rows from / to section "AUTOMODE" (keys "CH01" .. "CH20"). Writing is one write of
    // the file; false when it did not reach the disk.
    void ReadRows();
    bool WriteRows() const;

  private:
    static size_t index(int16_t i);

    bool mode_ = false;
    bool saveWhenGone_ = true;
    std::array<std::unique_ptr<clsMchDATA>, kRows> rows_;
};

}  // namespace corvell
