#include "core/TextProcs.h"

#include <algorithm>

namespace corvell {
namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string StripAtNul(std::string_view text) {
    const auto nul = text.find('\0');
    return nul == std::string_view::npos ? std::string() : std::string(text.substr(0, nul));
}

std::string CutAtNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

int32_t InStrNoCase(int32_t start, std::string_view text, std::string_view find, int compare) {
    if (start < 1) start = 1;
    const auto from = static_cast<std::size_t>(start - 1);
    if (from > text.size()) return 0;
    if (find.empty()) return start;
    const auto hit = compare == 0 ? text.find(find, from) : [&] {
        const auto it =
            std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), find.begin(),
                        find.end(), [](char a, char b) { return upper(a) == upper(b); });
        return it == text.end() ? std::string_view::npos
                                : static_cast<std::size_t>(it - text.begin());
    }();
    return hit == std::string_view::npos ? 0 : static_cast<int32_t>(hit + 1);
}

int32_t InStrNoCase(std::string_view text, std::string_view find) {
    return InStrNoCase(1, text, find);
}

int16_t SplitCommaList(std::string_view text, std::vector<std::string>& pieces) {
    if (text.empty()) return 0;
    std::size_t n = 0;
    std::string piece;
    for (char c : text) {
        pieces.resize(n + 2);
        if (c == ',') {
            pieces[n] = std::move(piece);
            piece.clear();
            ++n;
        } else {
            piece += c;
        }
    }
    pieces[n] = std::move(piece);
    // The spare element holds nothing left over from an earlier list.
    for (std::size_t i = n + 1; i < pieces.size(); ++i) pieces[i].clear();
    // A count beyond 16 bits is held at the limit: wrapping round could make a damaged line
    // look like one with the expected number of fields.
    return static_cast<int16_t>(std::min<std::size_t>(n + 1, INT16_MAX));
}

int16_t FindStringIndex(const std::vector<std::string>& list, std::string_view key,
                        int16_t fallback) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == key) return static_cast<int16_t>(i);
    }
    return fallback;
}

int16_t FindStringIndexTrim(const std::vector<std::string>& list, std::string_view key,
                            int16_t fallback) {
    const std::string wanted = TrimBlanks(key);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (TrimBlanks(list[i]) == wanted) return static_cast<int16_t>(i);
    }
    return fallback;
}

std::string TrimBlanks(std::string_view text) {
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    return std::string(text.substr(begin, text.find_last_not_of(' ') - begin + 1));
}

std::string TrimTrailingBlanks(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

}  // namespace corvell
