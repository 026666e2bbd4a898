#include "memory/MemoryCellEdit.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/FreqText.h"
#include "core/TextProcs.h"
#include "core/ToneList.h"
#include "core/ValueProcs.h"
#include "core/clsMchDATA.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "core/objEDGES.h"
#include "memory/MemoryListOps.h"
#include "memory/MemorySheetText.h"
#include "memory/clsMEMORY.h"

namespace corvell {

namespace {

constexpr int kNameLength = 33;
constexpr int kFrequencyLength = 14;
constexpr int kRemarkLength = 65;

// The first entry equal to `text`, blanks trimmed on both sides; -1 when none is.
int findTrimmed(const std::vector<std::string>& list, const std::string& text) {
    return FindStringIndexTrim(list, text, -1);
}

}  // namespace

CellEditorRequest CellEditorRequest::Text(std::string text, int maxLength) {
    CellEditorRequest request;
    request.kind = Kind::Text;
    request.text = std::move(text);
    request.maxLength = maxLength;
    return request;
}

CellEditorRequest CellEditorRequest::List(const std::vector<std::string>& items, int selected) {
    CellEditorRequest request;
    request.kind = Kind::List;
    request.items = items;
    request.selected = selected;
    return request;
}

std::string MemoryCellEdit::NameText(const std::string& text) {
    std::string out = TrimTrailingBlanks(text);
    std::replace(out.begin(), out.end(), ',', '_');
    return out;
}

std::optional<int32_t> MemoryCellEdit::FrequencyHz(std::string_view text) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    if (text[i] == '+' || text[i] == '-') ++i;
    if (i < text.size() && text[i] == '.') ++i;
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    return RoundToInt32(LeadingNumber(text) * 1000000.0);
}

const std::string& MemoryCellEdit::Entry(const std::vector<std::string>& list, int index) {
    return list[static_cast<size_t>(index >= 0 && index < static_cast<int>(list.size()) ? index
                                                                                        : 0)];
}

MemoryCellEdit::MemoryCellEdit(MemoryListOps& ops) : ops_(ops) {}

const std::vector<std::string>& MemoryCellEdit::ModeList() {
    static const std::vector<std::string> list{"LSB", "USB", "AM", "CW", "FM", "WFM"};
    return list;
}

const std::vector<std::string>& MemoryCellEdit::FilterList() {
    static const std::vector<std::string> list{"3k", "6k", "15k", "50k", "230k"};
    return list;
}

const std::vector<std::string>& MemoryCellEdit::OnOffList() {
    static const std::vector<std::string> list{"ON", "OFF"};
    return list;
}

const std::vector<std::string>& MemoryCellEdit::ToneList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> tones;
        BuildCtcssToneList(tones);
        return tones;
    }();
    return list;
}

const std::vector<std::string>& MemoryCellEdit::StepList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> names;
        clsTSbase steps;
        steps.ListFixedTs(names);
        names.erase(names.begin());  // entry 0 is not a step
        return names;
    }();
    return list;
}

CellEditorRequest MemoryCellEdit::Begin(int channel, int column, const std::string& key) const {
    CellEditorRequest request;
    if (key == ",") return request;
    clsMEMORY& memory = ops_.memory();
    const clsMchDATA& record = memory.chData(memory.ActiveBank(), channel);
    const bool blank = record.lngFreq() == 0;
    const bool enter = key == kEnter;
    auto text = [&](std::string initial, int maxLength) {
        request = CellEditorRequest::Text(enter ? std::move(initial) : key, maxLength);
    };
    auto list = [&](const std::vector<std::string>& items, int selected) {
        request = CellEditorRequest::List(items, selected);
    };
    switch (column) {
        case mchcol::Name:
            text(TrimTrailingBlanks(record.name1()), kNameLength);
            break;
        case mchcol::Frequency:
            text(TrimBlanks(FormatFreqMHz(blank ? ops_.receiver().Frequency() : record.lngFreq())),
                 kFrequencyLength);
            break;
        case mchcol::Remark:
            text(TrimTrailingBlanks(record.name2()), kRemarkLength);
            break;
        default:
            if (blank) break;
            switch (column) {
                case mchcol::Mode:
                    list(ModeList(), findTrimmed(ModeList(), record.ModeText()));
                    break;
                case mchcol::Filter:
                    list(FilterList(), findTrimmed(FilterList(), record.FilterText()));
                    break;
                case mchcol::Att:
                    list(OnOffList(), record.intAtt() != 0 ? 0 : 1);
                    break;
                case mchcol::Sel:
                    list(OnOffList(), record.intTag() != 0 ? 0 : 1);
                    break;
                case mchcol::Skip:
                    list(OnOffList(), record.intSkip() != 0 ? 0 : 1);
                    break;
                case mchcol::Ts:
                    if (enter) {
                        list(StepList(), findTrimmed(StepList(), record.tsname()));
                    } else {
                        text("", -1);
                    }
                    break;
                case mchcol::Tsql: {
                    const int tone = record.intTsql();
                    list(ToneList(), tone >= 0 && tone <= kCtcssToneCount ? tone : -1);
                    break;
                }
                default:
                    break;
            }
    }
    return request;
}

void MemoryCellEdit::CommitText(int channel, int column, const std::string& text) {
    clsMEMORY& memory = ops_.memory();
    const int bank = memory.ActiveBank();
    const bool blank = memory.chk_blank(bank, channel);
    switch (column) {
        case mchcol::Name:
        case mchcol::Remark:
            if (blank) FillChannelFromReceiver(channel);
            memory.ch(bank, channel);
            if (column == mchcol::Name) {
                memory.setStrChName(NameText(text));
            } else {
                memory.setStrComment(NameText(text));
            }
            break;
        case mchcol::Frequency: {
            // A typo must not delete the channel: only a number is a frequency.
            const std::optional<int32_t> f = FrequencyHz(text);
            if (!f) break;
            if (ops_.receiver().EDGES().inside(*f)) {
                if (blank) {
                    FillChannelFromReceiver(channel);
                    memory.ch(bank, channel).setStrChName("NONAME");
                }
                memory.ch(bank, channel).setLngFreq(*f);
            } else if (*f == 0) {
                memory.ch(bank, channel).setLngFreq(0);
            }
            break;
        }
        case mchcol::Ts: {
            const std::string step = TrimBlanks(text);
            if (ops_.receiver().TSbase().chktsname(step))
                memory.ch(bank, channel).setStrTsName(step);
            break;
        }
        default:
            break;
    }
    ops_.UpdateSheet();
    ops_.MarkMemoryChanged();
}

void MemoryCellEdit::CommitList(int channel, int column, int index) {
    clsMEMORY& memory = ops_.memory();
    memory.ch(memory.ActiveBank(), channel);
    const int16_t on = index == 0 ? 1 : 0;
    switch (column) {
        case mchcol::Mode:
            memory.setStrModeName(Entry(ModeList(), index));
            break;
        case mchcol::Filter:
            memory.setStrFilterName(TrimBlanks(Entry(FilterList(), index)));
            break;
        case mchcol::Ts:
            memory.setStrTsName(Entry(StepList(), index));
            break;
        case mchcol::Att:
            memory.setIntAtt(on);
            break;
        case mchcol::Sel:
            memory.setIntTag(on);
            break;
        case mchcol::Skip:
            memory.setIntSkip(on);
            break;
        case mchcol::Tsql:
            memory.setIntTsql(
                static_cast<int16_t>(index >= 0 && index <= kCtcssToneCount ? index : 0));
            break;
        default:
            return;
    }
    ops_.UpdateSheet();
    ops_.MarkMemoryChanged();
}

void MemoryCellEdit::FillChannelFromReceiver(int channel) {
    clsMEMORY& memory = ops_.memory();
    frmTesselbase& rx = ops_.receiver();
    memory.ch(memory.ActiveBank(), channel);
    memory.setStrChName("NONAME");
    memory.setStrComment("");
    memory.setLngFreq(rx.Frequency());
    memory.setStrModeName(rx.ModeText());
    memory.setStrFilterName(rx.FilterText());
    memory.setStrTsName(rx.TSbase().tsname());
    memory.setIntAtt(static_cast<int16_t>(rx.att()));
    ops_.MarkMemoryChanged();
}

}  // namespace corvell
