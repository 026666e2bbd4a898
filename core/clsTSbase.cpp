#include "core/clsTSbase.h"

#include <algorithm>
#include <cctype>

#include "core/TextProcs.h"
#include "core/ValueProcs.h"

namespace corvell {
namespace {

struct FixedStep {
    const char* name;
    int32_t hz;
    const char* shortForm;
};

constexpr FixedStep kFixedSteps[20] = {
    {"    1Hz", 1, "1"},         {"   10Hz", 10, "10"},      {"   20Hz", 20, "20"},
    {"   50Hz", 50, "50"},       {"  100Hz", 100, "100"},    {"  500Hz", 500, "500"},
    {"   1kHz", 1000, "1K"},     {" 2.5kHz", 2500, "2.5K"},  {"   5kHz", 5000, "5K"},
    {"6.25kHz", 6250, "6.25K"},  {"   9kHz", 9000, "9K"},    {"  10kHz", 10000, "10K"},
    {"12.5kHz", 12500, "12.5K"}, {"  20kHz", 20000, "20K"},  {"  25kHz", 25000, "25K"},
    {"  30kHz", 30000, "30K"},   {"  50kHz", 50000, "50K"},  {" 100kHz", 100000, "100K"},
    {" 500kHz", 500000, "500K"}, {"   1MHz", 1000000, "1M"},
};

// Upper case, blanks trimmed, a trailing "HZ" dropped.
std::string reduced(std::string_view text) {
    std::string s = TrimBlanks(text);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (s.size() >= 2 && s.ends_with("HZ")) s.resize(s.size() - 2);
    return s;
}

// hz in the given unit, exactly, without trailing zeros: 12300 in kHz is "12.3".
std::string inUnit(int32_t hz, int32_t unit) {
    std::string text = std::to_string(hz / unit);
    int32_t rest = hz % unit;
    if (rest == 0) return text;
    std::string digits;
    for (int32_t scale = unit / 10; scale > 0; scale /= 10) {
        digits += static_cast<char>('0' + rest / scale);
        rest %= scale;
    }
    while (digits.ends_with('0')) digits.pop_back();
    return text + "." + digits;
}

}  // namespace

clsTSbase::clsTSbase() {
    Default();
}

void clsTSbase::setTsnumber(int16_t code) {
    const int16_t next = code == kProgramStep ? kProgramStep : ClampInt(0, 19, code);
    if (next != tsnumber_) {
        tsnumber_ = next;
        UpdateFixedTs();
    }
}

void clsTSbase::setTsname(std::string_view text) {
    const int16_t code = chktsname_no(text);
    if (code == kProgramStep) {
        std::string name;
        int32_t hz = 0;
        if (chktsname_programts(text, name, hz)) {
            programName_ = std::move(name);
            programHz_ = hz;
        }
    }
    setTsnumber(code);
    UpdateFixedTs();
}

bool clsTSbase::chktsname(std::string_view text) const {
    std::string name;
    int32_t hz = 0;
    return chktsname_no(text) != kProgramStep || chktsname_programts(text, name, hz);
}

int16_t clsTSbase::chktsname_no(std::string_view text) {
    const std::string s = reduced(text);
    for (int16_t code = 0; code < 20; ++code) {
        if (s == kFixedSteps[code].shortForm) return code;
    }
    return kProgramStep;
}

bool clsTSbase::chktsname_programts(std::string_view text, std::string& name, int32_t& hz) {
    std::string s = reduced(text);
    int32_t multiplier = 1;
    const char* unit = "";
    if (s.size() >= 2 && s.ends_with('K')) {
        multiplier = 1000;
        unit = "k";
        s.pop_back();
    } else if (s.size() >= 2 && s.ends_with('M')) {
        multiplier = 1000000;
        unit = "M";
        s.pop_back();
    }
    // The typed number is single precision, and so is the product: 4.0005k is 4001 Hz.
    float v = static_cast<float>(LeadingNumber(s));
    if (!(v > 0 && v < 1000)) return false;
    v = std::min(v, multiplier == 1 ? 999.0f : 999.9f);
    const float product = v * static_cast<float>(multiplier);
    const auto stepHz = RoundToInt32(product);
    // A step of 0 Hz would be divided by when aligning; such a text is no step.
    if (!stepHz || *stepHz < 1) return false;
    // The name states the step exactly, so that a saved name reads back as the same Hz.
    name = inUnit(*stepHz, multiplier) + unit + "Hz";
    hz = *stepHz;
    return true;
}

bool clsTSbase::moveup() {
    if (tsnumber_ == kProgramStep) return false;
    if (tsnumber_ == 19) {
        setTsnumber(kProgramStep);
    } else {
        setTsnumber(static_cast<int16_t>(tsnumber_ + 1));
        alignFlag_ = true;
    }
    return true;
}

bool clsTSbase::movedown() {
    if (tsnumber_ == 0) return false;
    if (tsnumber_ == kProgramStep) {
        setTsnumber(19);
    } else {
        setTsnumber(static_cast<int16_t>(tsnumber_ - 1));
        alignFlag_ = true;
    }
    return true;
}

int32_t clsTSbase::calctsclr(int32_t f) {
    int64_t result = f;
    if (hz_ > 0 && hz_ < 1000000) result = int64_t{f} - f % hz_ + pitch_;
    pitch_ = 0;
    return static_cast<int32_t>(std::clamp<int64_t>(result, INT32_MIN, INT32_MAX));
}

void clsTSbase::IndividualPitch(int32_t f) {
    pitch_ = hz_ > 0 ? f % hz_ : 0;
}

int16_t clsTSbase::ListFixedTs(std::vector<std::string>& list) const {
    list.assign(21, std::string());
    for (int i = 1; i <= 20; ++i) list[static_cast<std::size_t>(i)] = kFixedSteps[i - 1].name;
    return 20;
}

void clsTSbase::Default() {
    setTsname("10MHz");
    setTsname("20kHz");
    alignFlag_ = false;
    pitch_ = 0;
}

void clsTSbase::UpdateFixedTs() {
    const bool program = tsnumber_ == kProgramStep;
    const std::string& name = program ? programName_ : std::string(kFixedSteps[tsnumber_].name);
    const int32_t hz = program ? programHz_ : kFixedSteps[tsnumber_].hz;
    if (name != name_ || hz != hz_) {
        name_ = name;
        hz_ = hz;
    }
}

}  // namespace corvell
