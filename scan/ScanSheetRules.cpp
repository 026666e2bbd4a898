#include "scan/ScanSheetRules.h"

#include <algorithm>

#include "core/FreqText.h"
#include "core/ProgramObjects.h"
#include "core/TextProcs.h"
#include "core/clsAUTOMODE.h"
#include "core/clsMchDATA.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "memory/MemorySheetText.h"
#include "scan/frmSCANctrl.h"

namespace corvell {
namespace {

constexpr const char* kPchFormat =
    "NO |< NAME                  |> START        |> END          |< Mode      |<Filter      "
    "|<TS          |<ATT         |                                                 ";
constexpr const char* kAchFormat =
    "NO |< NAME                  |> Freq Low     |> Freq High    |< Mode      |<Filter      "
    "|<TS          |                                                 ";
constexpr const char* kBlankName = " -- BLANK --";

// The scan sheets offer the filters a range can take (no 3k).
const std::vector<std::string>& filterList() {
    static const std::vector<std::string> list{"6k", "15k", "50k", "230k"};
    return list;
}

}  // namespace

ScanSheetRules::ScanSheetRules(Kind kind, frmTesselbase& receiver, frmSCANctrl* scan)
    : kind_(kind), rx_(receiver), scan_(scan) {}

int ScanSheetRules::columns() const {
    return kind_ == Kind::ProgramChannels ? 9 : 8;
}

const char* ScanSheetRules::format() const {
    return kind_ == Kind::ProgramChannels ? kPchFormat : kAchFormat;
}

const char* ScanSheetRules::widthKeyPrefix() const {
    return kind_ == Kind::ProgramChannels ? "PCHSHEETCOLWIDTH" : "ACHSHEETCOLWIDTH";
}

std::vector<std::string> ScanSheetRules::usualTexts(int column) const {
    // Name, edges, mode, filter, step and ATT, in the order both sheets show them.
    constexpr int kMemoryColumn[] = {mchcol::Ch,        mchcol::Name, mchcol::Frequency,
                                     mchcol::Frequency, mchcol::Mode, mchcol::Filter,
                                     mchcol::Ts,        mchcol::Att};
    if (column < 1 || column >= remarkColumn()) return {};
    return MemorySheetUsualTexts(kMemoryColumn[column]);
}

clsMchDATA& ScanSheetRules::record(int row) const {
    const auto r = static_cast<int16_t>(std::clamp(row, 1, kRows));
    return kind_ == Kind::ProgramChannels ? scan_->pchData(r) : rx_.AutoMode().chData(r);
}

bool ScanSheetRules::isBlank(int row) const {
    return record(row).lngFreq() == 0;
}

std::vector<std::string> ScanSheetRules::rowTexts(int row) const {
    std::vector<std::string> t(static_cast<size_t>(columns()));
    t[0] = std::to_string(row);
    const clsMchDATA& r = record(row);
    if (r.lngFreq() == 0) {
        if (kind_ == Kind::ProgramChannels) t[1] = kBlankName;
        return t;
    }
    t[1] = TrimTrailingBlanks(r.name1());
    t[2] = TrimBlanks(FormatFreqMHz(r.lngFreq()));
    t[3] = TrimBlanks(FormatFreqMHz(r.lngFreqHigh()));
    t[4] = TrimTrailingBlanks(r.ModeText());
    t[5] = TrimTrailingBlanks(r.FilterText());
    t[6] = TrimTrailingBlanks(r.tsname());
    if (attColumn() > 0) t[static_cast<size_t>(attColumn())] = r.intAtt() != 0 ? " ON" : " OFF";
    t[static_cast<size_t>(remarkColumn())] = TrimTrailingBlanks(r.name2());
    return t;
}

bool ScanSheetRules::forwardsTyping(int column) const {
    return (column >= 1 && column <= 3) ||
           (kind_ == Kind::ProgramChannels && column == remarkColumn());
}

bool ScanSheetRules::ignoresKeys(int column) const {
    return kind_ == Kind::AutoMode && (column == 0 || column == 7);
}

bool ScanSheetRules::deleteBlanks(int column) const {
    return column >= 1 && column <= 3;
}

CellEditorRequest ScanSheetRules::Begin(int row, int column, const std::string& key) const {
    const clsMchDATA& r = record(row);
    const bool blank = r.lngFreq() == 0;
    const bool enter = key == kEnter;
    CellEditorRequest q;
    auto text = [&](std::string s, int limit) { q = CellEditorRequest::Text(std::move(s), limit); };
    auto list = [&](const std::vector<std::string>& items, int selected) {
        q = CellEditorRequest::List(items, selected);
    };
    if (column == 1) {
        text(enter ? TrimTrailingBlanks(r.name1()) : key, 33);
    } else if (column == 2 || column == 3) {
        const int32_t hz = blank ? rx_.Frequency() : (column == 2 ? r.lngFreq() : r.lngFreqHigh());
        text(enter ? TrimBlanks(FormatFreqMHz(hz)) : key, 14);
    } else if (blank) {
        // Mode, filter, step, ATT and remark of a blank row open nothing.
    } else if (column == 4) {
        list(MemoryCellEdit::ModeList(),
             FindStringIndexTrim(MemoryCellEdit::ModeList(), r.ModeText(), -1));
    } else if (column == 5) {
        list(filterList(), FindStringIndexTrim(filterList(), r.FilterText(), -1));
    } else if (column == 6) {
        if (enter) {
            list(MemoryCellEdit::StepList(),
                 FindStringIndexTrim(MemoryCellEdit::StepList(), r.tsname(), -1));
        } else {
            text(key, -1);
        }
    } else if (column == attColumn()) {
        list(MemoryCellEdit::OnOffList(), r.intAtt() != 0 ? 0 : 1);
    } else if (column == remarkColumn() && kind_ == Kind::ProgramChannels) {
        text(enter ? TrimTrailingBlanks(r.name2()) : key, 65);
    }
    return q;
}

std::optional<int32_t> ScanSheetRules::FrequencyFromText(const std::string& text) {
    const std::optional<int32_t> hz = MemoryCellEdit::FrequencyHz(text);
    if (!hz) return std::nullopt;
    return *hz / 10 * 10;
}

void ScanSheetRules::CommitText(int row, int column, const std::string& text) {
    if (kind_ == Kind::ProgramChannels) scan_->continus_reset();
    clsMchDATA& r = record(row);
    const bool blank = r.lngFreq() == 0;
    if (column == 1 || (column == remarkColumn())) {
        if (blank) FillFromReceiver(row);
        if (column == 1) {
            r.setName1(MemoryCellEdit::NameText(text));
        } else {
            r.setName2(MemoryCellEdit::NameText(text));
        }
    } else if (column == 2 || column == 3) {
        const std::optional<int32_t> f = FrequencyFromText(text);
        if (!f) return;
        if (*f != 0 && ProgramEdges().inside(*f)) {
            if (blank) {
                FillFromReceiver(row);
                r.setName1("NONAME");
            }
        } else if (*f != 0) {
            return;  // outside every enabled band
        }
        if (column == 2) {
            r.setLngFreq(*f);
        } else {
            r.setLngFreqHigh(*f);
        }
    } else if (column == 6) {
        const std::string step = TrimBlanks(text);
        if (rx_.TSbase().chktsname(step)) r.setTsname(step);
    }
}

void ScanSheetRules::CommitList(int row, int column, int index) {
    if (kind_ == Kind::ProgramChannels) scan_->continus_reset();
    clsMchDATA& r = record(row);
    auto item = [&](const std::vector<std::string>& items) {
        return MemoryCellEdit::Entry(items, index);
    };
    if (column == 4) {
        r.setModeText(item(MemoryCellEdit::ModeList()));
    } else if (column == 5) {
        r.setFilterText(TrimBlanks(item(filterList())));
    } else if (column == 6) {
        r.setTsname(item(MemoryCellEdit::StepList()));
    } else if (column == attColumn()) {
        const auto& items = MemoryCellEdit::OnOffList();
        r.setIntAtt(index >= 0 && index < static_cast<int>(items.size()) &&
                            TrimBlanks(items[static_cast<size_t>(index)]) == "ON"
                        ? 1
                        : 0);
    }
}

void ScanSheetRules::BlankRow(int row) {
    record(row).setLngFreq(0);
}

void ScanSheetRules::FillFromReceiver(int row) {
    clsMchDATA& r = record(row);
    r.setName1("NONAME");
    r.setName2("");
    if (rx_.Blank() != 0) {
        r.setLngFreq(0);
        r.setLngFreqHigh(0);
        r.setModeText("FM");
        r.setFilterText("15k");
        r.setTsname("20k");
        r.setIntAtt(0);
        return;
    }
    r.setLngFreq(rx_.Frequency());
    r.setLngFreqHigh(rx_.Frequency());
    r.setModeText(rx_.ModeText());
    r.setFilterText(rx_.FilterText());
    r.setTsname(rx_.TSbase().tsname());
    r.setIntAtt(static_cast<int16_t>(rx_.att()));
}

}  // namespace corvell
