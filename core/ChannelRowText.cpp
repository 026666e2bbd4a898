#include "core/ChannelRowText.h"

#include <vector>

#include "core/TextProcs.h"
#include "core/ValueProcs.h"
#include "core/clsMchDATA.h"

namespace corvell {

std::string MHzText(int32_t hz) {
    const int64_t value = hz;
    const int64_t magnitude = value < 0 ? -value : value;
    const int64_t whole = magnitude / 1000000;
    const int64_t fraction = magnitude % 1000000;
    std::string text = value < 0 ? "-" : "";
    if (whole > 0 || fraction == 0) text += std::to_string(whole);
    if (fraction > 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 6 - digits.size(), '0');
        while (digits.back() == '0') digits.pop_back();
        text += "." + digits;
    }
    return text;
}

int32_t ReadMHzField(const std::string& text) {
    const double v = LeadingNumber(text);
    if (!(v > 0.0 && v <= 1300.0)) return 0;
    return RoundToInt32(v * 1000000.0).value_or(0);
}

std::string ChannelRowText(const clsMchDATA& row) {
    std::string text = TrimTrailingBlanks(row.name1());
    text += ',' + TrimTrailingBlanks(row.name2());
    text += ',' + MHzText(row.lngFreq());
    text += ',' + MHzText(row.lngFreqHigh());
    text += ',' + row.ModeText();
    text += ',' + row.FilterText();
    text += row.intAtt() != 0 ? ",ON" : ",OFF";
    text += ',' + TrimBlanks(row.tsname());
    return text;
}

bool ReadChannelRowText(const std::string& text, clsMchDATA& row) {
    std::vector<std::string> fields;
    if (SplitCommaList(text, fields) != 8) return false;
    row.setName1(fields[0]);
    row.setName2(fields[1]);
    row.setLngFreq(ReadMHzField(fields[2]));
    row.setLngFreqHigh(ReadMHzField(fields[3]));
    row.setModeText(fields[4]);
    row.setFilterText(fields[5]);
    row.setIntAtt(fields[6] == "ON" ? 1 : 0);
    row.setTsname(fields[7]);
    return true;
}

}  // namespace corvell
