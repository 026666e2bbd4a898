#include "core/clsMchDATA.h"

#include "core/clsTSbase.h"

namespace corvell {

namespace {

struct CodeText {
    int16_t code;
    const char* text;
};

constexpr CodeText kModes[] = {{0, "LSB"}, {1, "USB"}, {2, "AM"}, {3, "CW"}, {5, "FM"}, {6, "WFM"}};
constexpr CodeText kFilters[] = {{0, "3k"}, {1, "6k"}, {2, "15k"}, {3, "50k"}, {4, "230k"}};

// Length of the UTF-8 sequence that starts with `lead`; a byte that cannot start one counts
// alone, so damaged text is still cut at a byte and never read past its end.
size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

clsMchDATA::clsMchDATA() : name1_(kNameWidth, ' '), name2_(kRemarkWidth, ' ') {}

clsMchDATA::~clsMchDATA() = default;

clsMchDATA::clsMchDATA(const clsMchDATA& other) {
    *this = other;
}

clsMchDATA& clsMchDATA::operator=(const clsMchDATA& other) {
    if (this == &other) return *this;
    lngFreq_ = other.lngFreq_;
    lngFreqHigh_ = other.lngFreqHigh_;
    intMode_ = other.intMode_;
    intFilter_ = other.intFilter_;
    intAtt_ = other.intAtt_;
    intTag_ = other.intTag_;
    intSkip_ = other.intSkip_;
    intTsql_ = other.intTsql_;
    name1_ = other.name1_;
    name2_ = other.name2_;
    if (other.step_) {
        step_ = std::make_unique<clsTSbase>(*other.step_);
    } else {
        step_.reset();
    }
    return *this;
}

std::string clsMchDATA::FitText(const std::string& text, int width) {
    std::string out;
    out.reserve(static_cast<size_t>(width));
    int count = 0;
    size_t i = 0;
    while (i < text.size() && count < width) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t len = sequenceLength(lead);
        if (i + len > text.size()) len = 1;
        for (size_t k = 1; k < len; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                len = 1;
                break;
            }
        }
        if (len == 1) {
            // A comma would split the field of a file line, a control character the line itself.
            const bool unsafe = lead == ',' || lead < 0x20 || lead == 0x7F;
            out.push_back(unsafe ? ' ' : static_cast<char>(lead));
        } else {
            out.append(text, i, len);
        }
        i += len;
        ++count;
    }
    out.append(static_cast<size_t>(width - count), ' ');
    return out;
}

void clsMchDATA::setName1(const std::string& text) {
    name1_ = FitText(text, kNameWidth);
}

void clsMchDATA::setName2(const std::string& text) {
    name2_ = FitText(text, kRemarkWidth);
}

clsTSbase& clsMchDATA::step() const {
    if (!step_) step_ = std::make_unique<clsTSbase>();
    return *step_;
}

std::string clsMchDATA::tsname() const {
    return step().tsname();
}

void clsMchDATA::setTsname(const std::string& text) {
    step().setTsname(text);
}

int32_t clsMchDATA::tsfrq() const {
    return step().tsfrq();
}

std::string clsMchDATA::ModeText() const {
    for (const CodeText& m : kModes) {
        if (m.code == intMode_) return m.text;
    }
    return "AM";
}

void clsMchDATA::setModeText(const std::string& text) {
    int16_t code = 2;
    for (const CodeText& m : kModes) {
        if (text == m.text) code = m.code;
    }
    intMode_ = code;
    intFilter_ = FilterCorrect(intMode_, intFilter_);
}

std::string clsMchDATA::FilterText() const {
    for (const CodeText& f : kFilters) {
        if (f.code == intFilter_) return f.text;
    }
    return "50k";
}

void clsMchDATA::setFilterText(const std::string& text) {
    int16_t code = 2;
    for (const CodeText& f : kFilters) {
        if (text == f.text) code = f.code;
    }
    intFilter_ = FilterCorrect(intMode_, code);
}

int16_t clsMchDATA::FilterCorrect(int16_t mode, int16_t filter) {
    int16_t lo = 1;
    int16_t hi = 3;
    if (mode == 6) {
        lo = 3;
        hi = 4;
    } else if (mode == 0 || mode == 1 || mode == 3) {
        lo = 0;
        hi = 1;
    }
    if (filter < lo) return lo;
    if (filter > hi) return hi;
    return filter;
}

}  // namespace corvell
