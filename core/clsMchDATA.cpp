#include "core/clsMchDATA.h"

#include "core/ModeFilterCodes.h"
#include "core/clsTSbase.h"

namespace corvell {

namespace {

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

// A record reads an unknown mode as "AM" and an unknown filter as "50k", and stores an unknown
// mode text as AM and an unknown filter text as "15k": files written that way read back so.
std::string clsMchDATA::ModeText() const {
    const char* name = NameOfCode(kModeNames, intMode_);
    return name ? name : "AM";
}

void clsMchDATA::setModeText(const std::string& text) {
    intMode_ = static_cast<int16_t>(CodeOfName(kModeNames, text).value_or(kModeAM));
    intFilter_ = FilterCorrect(intMode_, intFilter_);
}

std::string clsMchDATA::FilterText() const {
    const char* name = NameOfCode(kFilterNames, intFilter_);
    return name ? name : "50k";
}

void clsMchDATA::setFilterText(const std::string& text) {
    const auto code = static_cast<int16_t>(CodeOfName(kFilterNames, text).value_or(kFilter15k));
    intFilter_ = FilterCorrect(intMode_, code);
}

int16_t clsMchDATA::FilterCorrect(int16_t mode, int16_t filter) {
    int16_t lo = kFilter6k;
    int16_t hi = kFilter50k;
    if (mode == kModeWFM) {
        lo = kFilter50k;
        hi = kFilter230k;
    } else if (mode == kModeLSB || mode == kModeUSB || mode == kModeCW) {
        lo = kFilter3k;
        hi = kFilter6k;
    }
    if (filter < lo) return lo;
    if (filter > hi) return hi;
    return filter;
}

}  // namespace corvell
