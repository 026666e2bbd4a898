// What the memory list's grid shows: its columns, the format string of its header row, the
// text of every cell of a channel's row and the bank number.
// Thread contract: any thread (pure functions).
#pragma once

#include <string>
#include <vector>

namespace corvell {

class clsMchDATA;

// The grid's columns.
namespace mchcol {
inline constexpr int Ch = 0, Name = 1, Frequency = 2, Mode = 3, Filter = 4, Att = 5, Ts = 6,
                     Sel = 7, Skip = 8, Tsql = 9, Remark = 10, Count = 11;
}

// Titles, alignments ("<" left, ">" right) and initial widths (the field lengths).
inline constexpr const char* kMemorySheetFormat =
    "CH |< Name                  |> Frequency    |< Mode      |<Filter      |<ATT    |<TS     "
    "|<SEL    |<SKIP    |<T-SQL      |<Remark                                              ";

// The name cell of a channel without a frequency.
inline constexpr const char* kBlankChannelText = " -- BLANK --";

// The text of `column` in the row of `channel` whose record is `record`: the channel number,
// the name, " -- BLANK --" and nothing more for a channel without a frequency, else the
// frequency in MHz, mode, filter, " ON"/" OFF" flags, step, tone text and remark.
std::string MemorySheetCell(const clsMchDATA& record, int channel, int column);

// The widest texts a column usually shows, for a grid without saved widths to fit its columns
// to: the blank text, a full-length name, the widest frequency, every mode, filter, step and
// tone name. Empty for the remark, which keeps the width of its field.
std::vector<std::string> MemorySheetUsualTexts(int column);

// The bank number as the bank bar shows it: " 00" .. " 19".
std::string BankNumberText(int bank);

}  // namespace corvell
