#include "panels/common/TenkeyRules.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace corvell::panels {
namespace {

// Leading blanks, then at least one digit and nothing else; 64-bit value or nullopt.
std::optional<int64_t> digitsValue(std::string_view text, bool appendZero) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        // Far above anything that fits; stop before 64 bits could wrap.
        if (value > int64_t{1} << 40) return std::nullopt;
    }
    if (appendZero) value *= 10;
    return value;
}

}  // namespace

std::optional<int32_t> EntryToHz(std::string_view buff, bool appendZero) {
    const auto value = digitsValue(buff, appendZero);
    if (!value || *value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(*value);
}

std::optional<int16_t> MchChannel(bool entryOpen, std::string_view inputPos,
                                  std::string_view buff) {
    if (!entryOpen) return std::nullopt;
    if (inputPos != "1" && inputPos != "2") return std::nullopt;
    const auto value = digitsValue(buff, false);
    if (!value) return std::nullopt;
    return static_cast<int16_t>(std::clamp<int64_t>(*value, 0, 49));
}

std::string DispTenkeyText(bool entryOpen, std::string_view buff, int32_t frequencyHz,
                           int lowPlaces) {
    lowPlaces = std::clamp(lowPlaces, 1, 3);
    if (entryOpen) {
        std::string s(buff);
        s.resize(std::max<std::size_t>(s.size(), 10), ' ');
        return s.substr(0, 4) + "." + s.substr(4, 3) + "." +
               s.substr(7, static_cast<std::size_t>(lowPlaces));
    }
    if (frequencyHz >= 1) {
        char s[32];
        std::snprintf(s, sizeof s, "%4d.%06d", frequencyHz / 1000000, frequencyHz % 1000000);
        const std::string t(s);
        return t.substr(0, 8) + "." + t.substr(8, static_cast<std::size_t>(lowPlaces)) + " ";
    }
    return std::string("    .   .") + std::string(static_cast<std::size_t>(lowPlaces), ' ');
}

}  // namespace corvell::panels
