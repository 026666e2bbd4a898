#include "memory/MemorySheetText.h"

#include <cstdio>

#include "core/FreqText.h"
#include "core/ModeFilterCodes.h"
#include "core/TextProcs.h"
#include "core/ToneList.h"
#include "core/clsMchDATA.h"
#include "core/clsTSbase.h"

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

std::vector<std::string> MemorySheetUsualTexts(int column) {
    std::vector<std::string> texts;
    switch (column) {
        case mchcol::Ch:
            return {"49"};
        case mchcol::Name:
            return {kBlankChannelText, "Marine Channel16"};
        case mchcol::Frequency:
            return {TrimBlanks(FormatFreqMHz(1999999999))};
        case mchcol::Mode:
            for (const CodeName& m : kModeNames) texts.emplace_back(m.name);
            return texts;
        case mchcol::Filter:
            for (const CodeName& f : kFilterNames) texts.emplace_back(f.name);
            return texts;
        case mchcol::Att:
        case mchcol::Sel:
        case mchcol::Skip:
            return {onOff(0), onOff(1)};
        case mchcol::Ts: {
            clsTSbase step;
            for (int16_t code = 0; code < clsTSbase::kProgramStep; ++code) {
                step.setTsnumber(code);
                if (step.tsnumber() != code) break;                  // past the fixed steps
                texts.push_back(TrimTrailingBlanks(step.tsname()));  // as the cell shows it
            }
            return texts;
        }
        case mchcol::Tsql:
            for (int16_t i = 0; i < kCtcssToneCount; ++i) texts.push_back(CtcssToneText(i));
            return texts;
        default:
            return texts;
    }
}

std::string BankNumberText(int bank) {
    char text[16];
    std::snprintf(text, sizeof text, " %02d", bank);
    return text;
}

}  // namespace corvell
