#include "memory/MemorySheetText.h"

#include <cstdio>

#include "core/FreqText.h"
#include "core/TextProcs.h"
#include "core/ToneList.h"
#include "core/clsMchDATA.h"

namespace corvell {

namespace {

const char* onOff(int16_t flag) {
    return flag != 0 ? " ON" : " OFF";
}

}  // namespace

std::string MemorySheetCell(const clsMchDATA& record, int channel, int column) {
    if (column == mchcol::Ch) return std::to_string(channel);
    if (record.lngFreq() == 0) return column == mchcol::Name ? kBlankChannelText : "";
    switch (column) {
        case mchcol::Name:
            return TrimTrailingBlanks(record.name1());
        case mchcol::Frequency:
            return TrimBlanks(FormatFreqMHz(record.lngFreq()));
        case mchcol::Mode:
            return TrimTrailingBlanks(record.ModeText());
        case mchcol::Filter:
            return TrimTrailingBlanks(record.FilterText());
        case mchcol::Att:
            return onOff(record.intAtt());
        case mchcol::Ts:
            return TrimTrailingBlanks(record.tsname());
        case mchcol::Sel:
            return onOff(record.intTag());
        case mchcol::Skip:
            return onOff(record.intSkip());
        case mchcol::Tsql:
            // The tone table is bounded: an index outside it shows its nearest tone, the one
            // the memory file will store.
            return TrimTrailingBlanks(CtcssToneText(record.intTsql()));
        case mchcol::Remark:
            return TrimTrailingBlanks(record.name2());
        default:
            return "";
    }
}

std::string BankNumberText(int bank) {
    char text[16];
    std::snprintf(text, sizeof text, " %02d", bank);
    return text;
}

}  // namespace corvell
